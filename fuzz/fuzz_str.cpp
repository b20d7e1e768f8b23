// Line splitting, the number formatters and the hex dump on any bytes and
// numbers, each checked against its rule written out independently.
//
// Input: a 27-byte header (line limit, head, tail, a 64-bit value read both as
// an integer and as a double, a width), then the text.
#include "gen/GStr.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kHeader = 27;
constexpr std::size_t kSprintfCut = 4095;

template <typename... A>
std::string c_format(const char* format, A... args) {
    std::vector<char> buf(static_cast<std::size_t>(std::snprintf(nullptr, 0, format, args...)) + 1);
    std::snprintf(buf.data(), buf.size(), format, args...);
    return std::string(buf.data()).substr(0, kSprintfCut);
}

void check_lines(const std::string& s, int maxLines) {
    std::vector<std::string> want;
    for (std::size_t start = 0; start < s.size() && (maxLines < 0 || want.size() < std::size_t(maxLines));) {
        const std::size_t lf = s.find('\n', start);
        std::string line = s.substr(start, lf == std::string::npos ? lf : lf - start);
        if (lf != std::string::npos && !line.empty() && line.back() == '\r') line.pop_back();
        want.push_back(line);
        start = lf == std::string::npos ? s.size() : lf + 1;
    }
    if (gen::str::split_lines(s, maxLines) != want) std::abort();
}

void check_hex(const std::string& s, unsigned long long head, unsigned long long tail) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(s.data());
    const auto size = static_cast<unsigned>(s.size());
    const bool whole = static_cast<unsigned __int128>(head) + tail >= size;
    std::string want = "[" + gen::str::format_str_1000(std::to_string(size)) + "] = {";
    for (unsigned i = 0; i < size; ++i) {
        if (whole || i < head || i >= size - tail) want += c_format("%02X", bytes[i]);
        if (whole ? i + 1 < size : (i < head || (i >= size - tail && i + 1 < size))) want += ' ';
        if (!whole && i == head) want += " .. ";
    }
    if (gen::str::format_array_as_hex(bytes, size, head, tail) != want + "}") std::abort();
}

void check_unit(const std::string& text, double bytes, double kilo) {
    const char* unit = bytes > kilo * kilo * kilo * kilo ? " TB"
                       : bytes > kilo * kilo * kilo      ? " GB"
                       : bytes > kilo * kilo             ? " MB"
                                                         : " KB";
    if (text.size() < 4 || text.compare(text.size() - 3, 3, unit) != 0) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    unsigned char h[kHeader] = {};
    std::memcpy(h, data, std::min(size, kHeader));
    const std::string s(reinterpret_cast<const char*>(data) + std::min(size, kHeader),
                        size - std::min(size, kHeader));
    unsigned long long head = 0, tail = 0, u = 0;
    std::memcpy(&head, h + 1, 8);
    std::memcpy(&tail, h + 9, 8);
    std::memcpy(&u, h + 17, 8);
    const auto v = static_cast<long long>(u);
    double d = 0;
    std::memcpy(&d, &u, sizeof d);
    // Widths up to what sprintF can return; beyond it the helpers cap.
    const unsigned width = (h[25] | h[26] << 8) % (kSprintfCut + 1);

    check_lines(s, static_cast<signed char>(h[0]) % 8);
    check_hex(s, head % (s.size() + 2), tail % (s.size() + 2));
    check_hex(s, head, tail);
    const std::string grouped = gen::str::format_str_1000(s);
    if (grouped.size() != s.size() + (s.empty() ? 0 : (s.size() - 1) / 3)) std::abort();
    for (std::size_t i = 0, j = 0; i < grouped.size(); ++i)
        if ((grouped.size() - i) % 4 == 0 ? grouped[i] != '.' : grouped[i] != s[j++]) std::abort();
    const std::string text = std::to_string(v);
    if (gen::str::format_fill(char(h[0]), width, v) !=
        std::string(width > text.size() ? width - text.size() : 0, char(h[0])) + text)
        std::abort();
    if (gen::str::format_fill_zero(width, v) != c_format("%0*lld", int(width), v)) std::abort();
    const std::string micro = gen::str::format_fill_zero_microseconds(u);
    if (u < 1000000 ? micro != c_format("%03llu.%03llu", u / 1000, u % 1000)
                    : micro.size() != 7 || micro[3] != '.')
        std::abort();
    if (gen::str::format_float(d, width) != c_format("%2.*f", int(width), d)) std::abort();
    check_unit(gen::str::format_bytes(d), d, 1e3);
    check_unit(gen::str::format_bytes_1024(d), d, 1024.0);
    return 0;
}
