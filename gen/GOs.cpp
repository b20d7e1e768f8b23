#include "gen/GOs.h"

#include <algorithm>
#include <cctype>

#if defined(Q_OS_WIN)
#include <windows.h>
#elif defined(Q_OS_LINUX)
#include <unistd.h>
#else
#include <QCoreApplication>
#endif

namespace gen::os {

namespace {

constexpr std::string_view kExe = ".exe";

bool ends_with_exe(std::string_view name) {
    if (name.size() <= kExe.size()) return false;
    const std::string_view tail = name.substr(name.size() - kExe.size());
    return std::equal(tail.begin(), tail.end(), kExe.begin(),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

std::string executable_path() {
#if defined(Q_OS_WIN)
    constexpr DWORD kMaxPath = 260;
    wchar_t buffer[kMaxPath];
    const DWORD n = GetModuleFileNameW(nullptr, buffer, kMaxPath);
    // A full buffer means the path was cut; a cut path would give a wrong name.
    if (n == 0 || n >= kMaxPath) return {};
    return QString::fromWCharArray(buffer, static_cast<qsizetype>(n)).toStdString();
#elif defined(Q_OS_LINUX)
    constexpr std::size_t kMaxPath = 4096;
    char buffer[kMaxPath];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer);
    // readlink does not terminate, and a full buffer may mean the path was cut.
    if (n <= 0 || static_cast<std::size_t>(n) >= sizeof buffer) return {};
    return std::string(buffer, static_cast<std::size_t>(n));
#else
    if (!QCoreApplication::instance()) return {};
    return QCoreApplication::applicationFilePath().toStdString();
#endif
}

} // namespace

std::string program_name_from_path(std::string_view path) {
    const std::size_t slash = path.find_last_of("\\/");
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    if (ends_with_exe(name)) name.remove_suffix(kExe.size());
    return std::string(name);
}

std::string get_program_name() {
    return program_name_from_path(executable_path());
}

QString get_qprogram_name() {
    return QString::fromStdString(get_program_name());
}

} // namespace gen::os
