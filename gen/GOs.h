#pragma once

#include <QString>
#include <QtGlobal>

#include <string>
#include <string_view>

/// Fixed answers about the platform the program is built for, and the program's own name.
/// Any thread may call these.
namespace gen::os {

/// Built for Windows.
constexpr bool is_windows() {
#if defined(Q_OS_WIN)
    return true;
#else
    return false;
#endif
}

/// Built for Linux; Qt defines Q_OS_LINUX on Android as well, but here Linux means the desktop system.
constexpr bool is_linux() {
#if defined(Q_OS_LINUX) && !defined(Q_OS_ANDROID)
    return true;
#else
    return false;
#endif
}

/// Built for Android.
constexpr bool is_android() {
#if defined(Q_OS_ANDROID)
    return true;
#else
    return false;
#endif
}

/// Built for WebAssembly.
constexpr bool is_wasm() {
#if defined(Q_OS_WASM)
    return true;
#else
    return false;
#endif
}

/// Built for a platform whose applications cannot roam the file system freely: WebAssembly or iOS.
constexpr bool is_sandboxed() {
#if defined(Q_OS_WASM) || defined(Q_OS_IOS)
    return true;
#else
    return false;
#endif
}

/// Built for anything but Android, iOS and WebAssembly.
constexpr bool is_desktop() {
#if defined(Q_OS_ANDROID) || defined(Q_OS_IOS) || defined(Q_OS_WASM)
    return false;
#else
    return true;
#endif
}

/// The bitness of this build, which is what the program can make use of.
constexpr int get_os_bit_system() {
    return static_cast<int>(sizeof(void*) * 8);
}
/// A 64-bit build.
constexpr bool is_64_bit() {
    return get_os_bit_system() == 64;
}
/// A 32-bit build.
constexpr bool is_32_bit() {
    return get_os_bit_system() == 32;
}

/// The file name of an executable path without its directories and without a final ".exe" (any
/// case) when something is left in front of it. Both `/` and `\` separate directories.
std::string program_name_from_path(std::string_view path);

/// The running executable's name as above, or empty when the system does not tell. On Linux it
/// follows /proc/self/exe, so a symbolic link gives the target's name.
std::string get_program_name();
/// The same as a QString.
QString get_qprogram_name();

} // namespace gen::os
