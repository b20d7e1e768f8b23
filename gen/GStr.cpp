#include "gen/GStr.h"

#include "gen/GLog.h"

#include <QString>

#include <algorithm>
#include <new>

namespace gen::str {

namespace {

// The most sprintF can return; wider requests would only make printf allocate
// work buffers as large as the width and then be cut anyway.
constexpr unsigned kMaxWidth = 4095;
constexpr const char* kTabSpaces = "    ";
constexpr double kKilo = 1e3;
constexpr double kMega = 1e6;
constexpr double kGiga = 1e9;
constexpr double kTera = 1e12;
constexpr double kKibi = 1024.0;
constexpr double kMebi = 1048576.0;
constexpr double kGibi = 1073741824.0;
constexpr double kTebi = 1099511627776.0;
// The control characters escape_controls writes as \xNN: C0 below the blank,
// then DEL and the C1 block.
constexpr char16_t kFirstPrintable = 0x20;
constexpr char16_t kDel = 0x7F;
constexpr char16_t kLastC1 = 0x9F;
constexpr int kHex = 16;

// The C locale's whitespace, independent of whatever locale Qt installed.
bool is_c_space(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

void append_hex(std::string& out, unsigned char byte) {
    static constexpr char digits[] = "0123456789ABCDEF";
    out.push_back(digits[byte >> 4]);
    out.push_back(digits[byte & 0x0F]);
}

std::string format_size(double bytes, double kilo, double mega, double giga, double tera) {
    if (bytes > tera) return sprintF("%2.2f TB", bytes / tera);
    if (bytes > giga) return sprintF("%2.2f GB", bytes / giga);
    if (bytes > mega) return sprintF("%2.2f MB", bytes / mega);
    return sprintF("%2.2f KB", bytes / kilo);
}

} // namespace

std::string to_lower(const std::string& s) {
    try {
        std::string out(s);
        // Only A-Z: Qt sets the user's locale at start-up, and a byte of a
        // UTF-8 sequence must never be changed on its own.
        for (char& c : out)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        return out;
    } catch (const std::bad_alloc&) {
        pp("Str::to_lower, exception ?");
        return {};
    }
}

std::string trim(const std::string& s) {
    const auto first = std::find_if_not(s.begin(), s.end(), is_c_space);
    if (first == s.end()) return {};
    const auto last = std::find_if_not(s.rbegin(), s.rend(), is_c_space).base();
    return std::string(first, last);
}

std::string replace_tab(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        if (c == '\t')
            out += kTabSpaces;
        else
            out.push_back(c);
    }
    return out;
}

bool contains(const std::string& s, const std::string& part) {
    return s.find(part) != std::string::npos;
}

bool contains(const std::string& s, char c) {
    return s.find(c) != std::string::npos;
}

bool remove_part(std::string& s, const std::string& part) {
    if (part.empty()) return true;
    const auto pos = s.find(part);
    if (pos == std::string::npos) return false;
    s.erase(pos, part.size());
    return true;
}

std::vector<std::string> split_lines(const std::string& s, int maxLines) {
    std::vector<std::string> lines;
    const auto full = [&] { return maxLines >= 0 && lines.size() >= static_cast<std::size_t>(maxLines); };
    if (full()) return lines;
    std::string line;
    for (char c : s) {
        if (c != '\n') {
            line.push_back(c);
            continue;
        }
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        line.clear();
        if (full()) return lines;
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

std::string format_str_1000(const std::string& digits) {
    const std::size_t n = digits.size();
    std::string out;
    out.reserve(n + n / 3);
    for (std::size_t i = 0; i < n; ++i) {
        out.push_back(digits[i]);
        const std::size_t fromEnd = n - 1 - i;
        if (fromEnd > 0 && fromEnd % 3 == 0) out.push_back('.');
    }
    return out;
}

std::string format_fill(char fill, unsigned width, long long v) {
    std::string text = std::to_string(v);
    const std::size_t target = std::min(width, kMaxWidth);
    if (text.size() < target) text.insert(0, target - text.size(), fill);
    return text;
}

std::string format_fill_zero(unsigned width, long long v) {
    // "%lld" rather than "%ld": the same text, and right where long is 32 bits.
    const std::string format = xprintF(0, "%0$lld", std::min(width, kMaxWidth));
    return sprintF(format.c_str(), v);
}

std::string format_fill_zero_microseconds(unsigned long long us) {
    const std::string six = format_fill_zero(6, static_cast<long long>(us));
    return six.substr(0, 3) + "." + six.substr(std::min<std::size_t>(3, six.size()), 3);
}

std::string format_float(double v, unsigned digits) {
    const std::string format = xprintF(0, "%2.$f", std::min(digits, kMaxWidth));
    return sprintF(format.c_str(), v);
}

std::string format_bytes(double bytes) {
    return format_size(bytes, kKilo, kMega, kGiga, kTera);
}

std::string format_bytes_1024(double bytes) {
    return format_size(bytes, kKibi, kMebi, kGibi, kTebi);
}

std::string to_utf8(const QString& s) {
    return s.toStdString();
}

QString escape_controls(const QString& s) {
    QString out;
    out.reserve(s.size());
    for (const QChar c : s) {
        const char16_t u = c.unicode();
        if (u == '\n')
            out += QLatin1String("\\n");
        else if (u == '\r')
            out += QLatin1String("\\r");
        else if (u == '\t')
            out += QLatin1String("\\t");
        else if (u == '\\')
            out += QLatin1String("\\\\");
        else if (u < kFirstPrintable || (u >= kDel && u <= kLastC1))
            out += QStringLiteral("\\x%1").arg(uint(u), 2, kHex, QLatin1Char('0'));
        else if (u == QChar::LineSeparator || u == QChar::ParagraphSeparator)
            out += QStringLiteral("\\u%1").arg(uint(u), 4, kHex, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

std::string format_array_as_hex(const unsigned char* data, unsigned size, unsigned long long head,
                                unsigned long long tail) {
    std::string out = xprintF(0, "[$] = {", format_str_1000(std::to_string(size)));
    if (!data) return out + "}";
    // head + tail >= size, written so that it cannot overflow.
    if (head >= size || tail >= size - head) {
        out.reserve(out.size() + 3ULL * size + 1);
        for (unsigned i = 0; i < size; ++i) {
            if (i > 0) out.push_back(' ');
            append_hex(out, data[i]);
        }
    } else {
        for (unsigned i = 0; i < head; ++i) {
            append_hex(out, data[i]);
            out.push_back(' ');
        }
        out += " .. ";
        for (unsigned long long i = size - tail; i < size; ++i) {
            append_hex(out, data[i]);
            if (i + 1 < size) out.push_back(' ');
        }
    }
    return out + "}";
}

void remove_last_chars(std::stringstream& ss, unsigned n) {
    const std::string content = ss.str();
    if (content.size() < n) return;
    // Rewrite rather than str(x): str(x) leaves the put position at the start,
    // so the next output would overwrite instead of append.
    ss.str(std::string());
    ss.clear();
    ss.write(content.data(), static_cast<std::streamsize>(content.size() - n));
}

unsigned long long count_chars(std::stringstream& ss) {
    return ss.view().size();
}

} // namespace gen::str
