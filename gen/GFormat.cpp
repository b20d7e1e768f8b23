#include "gen/GFormat.h"

#include <QByteArray>

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace gen {

template <>
void obj_to_stream<QStringView>(std::stringstream& out, const QStringView& value) {
    str::detail::write_qstring(out, value.toString());
}

namespace str {

namespace {
constexpr std::size_t kSprintfBuffer = 4096;
constexpr std::size_t kFixedBuffer = 32;
constexpr const char* kNullText = "nullptr";
} // namespace

std::string sprintF(const char* format, ...) {
    if (!format) return "<<<sprintF,nullpointer>>>";
    if (strnlen(format, kSprintfBuffer) >= kSprintfBuffer) return {};

    char buffer[kSprintfBuffer];
    va_list args;
    va_start(args, format);
    const int written = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    // A negative result is an encoding or width overflow error: nothing usable.
    if (written < 0) return {};
    return std::string(buffer);
}

namespace detail {

void write_fixed(std::ostream& out, double value) {
    char buffer[kFixedBuffer];
    const int needed = std::snprintf(buffer, sizeof buffer, "%f", value);
    if (needed < 0) return;
    if (static_cast<std::size_t>(needed) < sizeof buffer) {
        out.write(buffer, needed);
        return;
    }
    std::vector<char> wide(static_cast<std::size_t>(needed) + 1);
    std::snprintf(wide.data(), wide.size(), "%f", value);
    out.write(wide.data(), needed);
}

void write_chars(std::ostream& out, const char* text) {
    out << (text ? text : kNullText);
}

void write_qstring(std::ostream& out, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    out.write(utf8.constData(), utf8.size());
}

const char* copy_to_placeholder(std::stringstream& out, const char* format) {
    const char* dollar = std::strchr(format, '$');
    if (!dollar) {
        out << format;
        return nullptr;
    }
    out.write(format, dollar - format);
    return dollar + 1;
}

} // namespace detail
} // namespace str
} // namespace gen
