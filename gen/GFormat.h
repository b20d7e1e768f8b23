#pragma once

/// \file
/// The "$" formatter behind every message of the library: each "$" in the
/// format takes the next argument, rendered in one fixed way per type.

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringView>

#include <concepts>
#include <cstddef>
#include <cstring>
#include <sstream>
#include <string>
#include <string_view>
#include <type_traits>

namespace gen {

/// Writes one object's text; the library's only use is QStringView, the one
/// type it is defined for.
template <typename T>
void obj_to_stream(std::stringstream& out, const T& value);

/// Writes the view as UTF-8.
template <>
void obj_to_stream<QStringView>(std::stringstream& out, const QStringView& value);

/// Text: the "$" formatter, printf-style formatting and string helpers. Every
/// function here may be called from any thread.
namespace str {

/// printf-style formatting into a 4096-byte buffer. A null format gives
/// `<<<sprintF,nullpointer>>>`, a format of 4096 characters or more or a
/// printf error the empty string, and a longer result is cut at 4095 characters.
std::string sprintF(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

namespace detail {

// The "%f" text of a floating value; values too wide for the 32-byte buffer
// are widened rather than cut, so the digits are always right.
void write_fixed(std::ostream& out, double value);
void write_chars(std::ostream& out, const char* text);
void write_qstring(std::ostream& out, const QString& text);

template <typename T>
concept HasToString = requires(const T& v) {
    { v.to_string() } -> std::convertible_to<std::string>;
};

template <typename T>
concept Streamable = requires(std::ostream& out, const T& v) {
    out << v;
};

template <typename T>
void write_arg(std::stringstream& out, const T& value) {
    using U = std::remove_cvref_t<T>;
    if constexpr (std::is_same_v<U, bool>) {
        out << (value ? "true" : "false");
    } else if constexpr (std::is_same_v<U, char>) {
        out.put(value);
    } else if constexpr (std::is_integral_v<U>) {
        out << +value;
    } else if constexpr (std::is_enum_v<U>) {
        out << +static_cast<std::underlying_type_t<U>>(value);
    } else if constexpr (std::is_floating_point_v<U>) {
        write_fixed(out, static_cast<double>(value));
    } else if constexpr (std::is_array_v<U> &&
                         std::is_same_v<std::remove_cv_t<std::remove_extent_t<U>>, char>) {
        // A char array need not be terminated; never read past its end.
        out.write(value, static_cast<std::streamsize>(strnlen(value, std::extent_v<U>)));
    } else if constexpr (std::is_same_v<U, const char*> || std::is_same_v<U, char*>) {
        write_chars(out, value);
    } else if constexpr (std::is_same_v<U, std::string> || std::is_same_v<U, std::string_view>) {
        out.write(value.data(), static_cast<std::streamsize>(value.size()));
    } else if constexpr (std::is_same_v<U, QString>) {
        write_qstring(out, value);
    } else if constexpr (std::is_same_v<U, QStringView>) {
        obj_to_stream(out, value);
    } else if constexpr (std::is_same_v<U, QPointF>) {
        write_arg(out, value.x());
        out.put(',');
        write_arg(out, value.y());
    } else if constexpr (std::is_same_v<U, QRectF>) {
        write_arg(out, value.x());
        out.put(',');
        write_arg(out, value.y());
        out.put(',');
        write_arg(out, value.width());
        out.put(',');
        write_arg(out, value.height());
    } else if constexpr (HasToString<U>) {
        const std::string text = value.to_string();
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
    } else if constexpr (Streamable<U>) {
        out << value;
    } else {
        static_assert(sizeof(U) == 0, "xprintF: no rendering for this argument type");
    }
}

// Copies the format up to the next "$" and returns the position after it,
// or nullptr when the format ended first.
const char* copy_to_placeholder(std::stringstream& out, const char* format);

} // namespace detail

/// Writes the format up to the next "$", the first argument there, and carries
/// on with the rest; once the arguments run out the remaining format is copied
/// unchanged, so surplus "$" stay literal. The engine of xprintF().
template <typename First, typename... Rest>
void streamIt(std::stringstream& out, const char* format, First first, Rest... rest) {
    const char* after = detail::copy_to_placeholder(out, format);
    if (!after) return; // format ended: surplus arguments are dropped
    detail::write_arg(out, first);
    if constexpr (sizeof...(Rest) > 0) {
        // Keep the references: a char array must not decay to a pointer.
        streamIt<Rest...>(out, after, rest...);
    } else {
        out << after;
    }
}

/// The "$" formatter: `indent` spaces, then the format with each "$" replaced
/// by the next argument. A null format gives the empty string.
///
/// Each type has one rendering: a bool as "true" or "false", a char as
/// itself, other integers and enumerations as decimal numbers, floating
/// values as printf's "%f", a char array up to its first U+0000 or its end,
/// a C string as is or "nullptr" when null, std::string and
/// std::string_view byte for byte, QString and QStringView as UTF-8, a
/// QPointF as "x,y" and a QRectF as "x,y,width,height"; any other type
/// through its `to_string()` or else its `operator<<`, and a type with
/// neither does not compile. Arguments beyond the last "$" are dropped. A
/// "$" cannot be escaped: to print one, pass it as an argument.
template <typename... Args>
requires(sizeof...(Args) > 0) std::string
    xprintF(unsigned int indent, const char* format, const Args&... args) {
    if (!format) return {};
    std::stringstream out;
    for (unsigned int i = 0; i < indent; ++i)
        out.put(' ');
    // References rather than copies: a QString or a panel need not be copied
    // just to be printed.
    streamIt<const Args&...>(out, format, args...);
    return out.str();
}

} // namespace str
} // namespace gen
