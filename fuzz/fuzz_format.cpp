// "$" formatting with any format and mixed argument types, checked against the
// placeholder rule; sprintF with any literal text and one conversion that matches
// what is passed, checked against the C library's own output cut to the buffer.
//
// Input: one byte (value % 3 the mode, value / 3 % 8 the indent), then fields
// separated by line feeds: the format, then the arguments as text.
#include "gen/GFormat.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

template <typename... A>
void check_x(unsigned indent, const std::string& format, const std::vector<std::string>& texts,
             const A&... args) {
    std::string expected(indent, ' ');
    const char* rest = format.c_str();
    for (const std::string& text : texts) {
        const char* dollar = std::strchr(rest, '$');
        if (!dollar) break;
        expected.append(rest, dollar) += text;
        rest = dollar + 1;
    }
    expected += rest;
    if (gen::str::xprintF(indent, format.c_str(), args...) != expected) std::abort();
}

// The C library's text, cut to the 4095 characters of the buffer, then at a
// zero byte that a %c may have written; nothing for a format of 4096 or more.
template <typename T>
void check_s(const std::string& format, T arg) {
    std::string want;
    const int n = std::snprintf(nullptr, 0, format.c_str(), arg);
    if (format.size() < 4096 && n >= 0) {
        std::vector<char> buf(static_cast<std::size_t>(n) + 1);
        std::snprintf(buf.data(), buf.size(), format.c_str(), arg);
        want = std::string(buf.data(), std::min(n, 4095)).c_str();
    }
    if (gen::str::sprintF(format.c_str(), arg) != want) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size == 0) return 0;
    std::vector<std::string> f;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    for (std::size_t start = 0; start <= text.size(); start = f.back().size() + start + 1)
        f.push_back(text.substr(start, text.find('\n', start) - start));
    f.resize(std::max<std::size_t>(f.size(), 4));
    const unsigned indent = data[0] / 3 % 8;
    // A literal text in front of the conversion, every "%" in it escaped.
    std::string escaped;
    for (char c : std::string(f[0].c_str()))
        escaped += c == '%' ? "%%" : std::string(1, c);
    switch (data[0] % 3) {
    case 0: { // the "$" of a character array argument is text, never a placeholder
        const long long i = std::strtoll(f[1].c_str(), nullptr, 0);
        const unsigned long long u = std::strtoull(f[2].c_str(), nullptr, 0);
        check_x(indent, f[0], {std::to_string(i), "to $x$", std::to_string(u)}, i, "to $x$", u);
        break;
    }
    case 1: // texts of every kind, QString ones as UTF-8
        check_x(indent, f[0], {f[1].c_str(), f[2], QString::fromStdString(f[3]).toStdString()}, f[1].c_str(),
                f[2], QStringView(QString::fromStdString(f[3])));
        break;
    default: { // flags, width and precision taken from the second field, defined for every conversion here
        std::string conversion = "%";
        for (char c : f[1].substr(0, 5))
            if (c == '-' || (c >= '0' && c <= '9') || c == '.') conversion += c;
        const char letter = "dfs"[static_cast<unsigned char>(f[2][0]) % 3];
        const std::string format = escaped + conversion + letter;
        if (letter == 'd') check_s(format, static_cast<int>(std::strtoll(f[3].c_str(), nullptr, 0)));
        if (letter == 'f') check_s(format, std::strtod(f[3].c_str(), nullptr));
        if (letter == 's') check_s(format, f[3].c_str());
    }
    }
    return 0;
}
