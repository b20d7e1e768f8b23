// "$" formatting with any format and mixed argument types, checked against the
// placeholder rule; sprintF only with formats whose conversions match what is
// passed, checked against the C library's own output cut to the buffer.
//
// Input: one byte (value % 5 the mode, value / 5 % 8 the indent), then fields
// separated by line feeds: the format, then the arguments as text.
#include "gen/GFormat.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kSprintfCut = 4095;

std::string fixed(double v) {
    std::vector<char> buf(static_cast<std::size_t>(std::snprintf(nullptr, 0, "%f", v)) + 1);
    std::snprintf(buf.data(), buf.size(), "%f", v);
    return buf.data();
}

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

// The one conversion of a sprintF format: its flags must be defined for it.
struct Conversion {
    const char* letters;
    const char* flags;
    bool precision;
};
constexpr Conversion kConversions[] = {{"d", "-+ 0", true},  {"lld", "-+ 0", true}, {"x", "-#0", true},
                                       {"f", "-+ #0", true}, {"g", "-+ #0", true},  {"s", "-", true},
                                       {"c", "-", false}};

template <typename T>
void check_s(const std::string& format, T arg) {
    std::string want;
    const int n = std::snprintf(nullptr, 0, format.c_str(), arg);
    if (format.size() <= kSprintfCut && n >= 0) {
        std::vector<char> buf(static_cast<std::size_t>(n) + 1);
        std::snprintf(buf.data(), buf.size(), format.c_str(), arg);
        // Cut to the buffer, then at a zero byte that a %c may have written.
        want = std::string(buf.data(), std::min<std::size_t>(n, kSprintfCut)).c_str();
    }
    if (gen::str::sprintF(format.c_str(), arg) != want) std::abort();
}

std::string escape(const std::string& text) {
    std::string out;
    for (char c : text)
        out += c == '%' ? "%%" : std::string(1, c);
    return out;
}

// A literal text, then one conversion made of the allowed flags, width and
// precision; the first byte of the third field chooses it.
void check_conversion(const std::vector<std::string>& f) {
    std::string format = escape(f[0]);
    const Conversion& conv = kConversions[static_cast<unsigned char>(f[2].empty() ? 0 : f[2][0]) % 7];
    format += '%';
    for (char c : f[1].substr(0, 5))
        if ((c != 0 && std::strchr(conv.flags, c)) || (c >= '0' && c <= '9') || (c == '.' && conv.precision))
            format += c;
    format += conv.letters;
    const char* arg = f[3].c_str();
    switch (conv.letters[0]) {
    case 'd':
    case 'c':
        return check_s(format, static_cast<int>(std::strtoll(arg, nullptr, 0)));
    case 'l':
        return check_s(format, std::strtoll(arg, nullptr, 0));
    case 'x':
        return check_s(format, static_cast<unsigned>(std::strtoull(arg, nullptr, 0)));
    case 's':
        return check_s(format, arg);
    default:
        return check_s(format, std::strtod(arg, nullptr));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size == 0) return 0;
    std::vector<std::string> f;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    for (std::size_t start = 0; start <= text.size(); start = f.back().size() + start + 1)
        f.push_back(text.substr(start, text.find('\n', start) - start));
    f.resize(std::max<std::size_t>(f.size(), 5));
    const unsigned indent = data[0] / 5 % 8;
    auto num = [&](int i) { return std::strtoll(f[i].c_str(), nullptr, 0); };
    auto real = [&](int i) { return std::strtod(f[i].c_str(), nullptr); };
    auto utf8 = [&](int i) { return QString::fromStdString(f[i]).toStdString(); };
    switch (data[0] % 5) {
    case 0: {
        // The "$" of a character array argument is text, never a placeholder.
        const auto i = static_cast<int>(num(1));
        const auto u = static_cast<unsigned>(num(2));
        const auto ull = std::strtoull(f[4].c_str(), nullptr, 0);
        check_x(indent, f[0],
                {std::to_string(i), "to $x$", std::to_string(u), std::to_string(num(3)), std::to_string(ull)},
                i, "to $x$", u, num(3), ull);
        break;
    }
    case 1: {
        const float fl = std::strtof(f[1].c_str(), nullptr);
        const QPointF p(real(3), real(4));
        const QRectF r(real(1), real(2), real(3), real(4));
        check_x(indent, f[0],
                {fixed(fl), fixed(real(2)), fixed(p.x()) + "," + fixed(p.y()),
                 fixed(r.x()) + "," + fixed(r.y()) + "," + fixed(r.width()) + "," + fixed(r.height())},
                fl, real(2), p, r);
        break;
    }
    case 2: {
        const QString q = QString::fromStdString(f[3]), v = QString::fromStdString(f[4]);
        check_x(indent, f[0], {f[1].c_str(), f[2], utf8(3), utf8(4)}, f[1].c_str(), f[2], q, QStringView(v));
        break;
    }
    case 3: {
        const std::string plain = f[0].c_str(), format = escape(plain);
        // The surplus argument keeps the call defined and is ignored.
        if (gen::str::sprintF(format.c_str(), 0) != (format.size() > kSprintfCut ? std::string() : plain))
            std::abort();
        break;
    }
    default:
        check_conversion(f);
    }
    return 0;
}
