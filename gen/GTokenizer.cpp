#include "gen/GTokenizer.h"

#include "gen/GFormat.h"
#include "gen/GLog.h"
#include "gen/GStr.h"

#include <algorithm>
#include <limits>

namespace gen {

namespace {

constexpr QChar kQuote = u'"';
constexpr QStringView kBracketsOpen = u"{([";
constexpr QStringView kBracketsClose = u"})]";
constexpr QStringView kOperators = u"+-*/^~";

const QStringView tokDummy;
// Handed out by reference for writing, so each thread gets its own and it is emptied before use.
thread_local QStringView tokDummyMutable;

bool is_blank(QChar c) {
    return c == u' ' || c == u'\t';
}

bool is_single_of(QStringView t, QStringView set) {
    return t.size() == 1 && set.contains(t.front());
}

const char* kind_of(QStringView t) {
    if (GTokenizer::is_String(t)) return "STRING";
    if (GTokenizer::is_Number(t)) return "NUMBER";
    if (GTokenizer::is_RealNumber(t)) return "REAL NUMBER";
    if (is_single_of(t, kBracketsOpen)) return "BRACKET OPEN";
    if (is_single_of(t, kBracketsClose)) return "BRACKET CLOSE";
    if (is_single_of(t, kOperators)) return "OPERATOR";
    return "OTHER";
}

} // namespace

GTokenizer::GTokenizer(const QString& text, const QString& delimiters, bool keepDelimiters, bool withQuotes) {
    buildToken(text, delimiters, keepDelimiters, withQuotes);
}

unsigned GTokenizer::buildToken(const QString& text, const QString& delimiters, bool keepDelimiters,
                                bool withQuotes) {
    tokens.clear();
    const QStringView all(text);
    const qsizetype n = all.size();
    qsizetype start = -1; // start of the pending token, -1 when none is pending

    auto closePending = [&](qsizetype end) {
        if (start >= 0) tokens.push_back(all.sliced(start, end - start));
        start = -1;
    };

    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = all[i];
        if (withQuotes && c == kQuote) {
            closePending(i);
            const qsizetype close = all.indexOf(kQuote, i + 1);
            const qsizetype end = close < 0 ? n : close + 1;
            tokens.push_back(all.sliced(i, end - i));
            i = end - 1;
        } else if (!delimiters.contains(c)) {
            if (start < 0) start = i;
        } else {
            closePending(i);
            if (keepDelimiters) tokens.push_back(all.sliced(i, 1));
        }
    }
    closePending(n);
    return static_cast<unsigned>(tokens.size());
}

const QStringView& GTokenizer::tokenAt(unsigned i) const {
    return i < tokens.size() ? tokens[i] : tokDummy;
}

QStringView& GTokenizer::tokenAt(unsigned i) {
    if (i < tokens.size()) return tokens[i];
    tokDummyMutable = QStringView();
    return tokDummyMutable;
}

const QStringView& GTokenizer::relative(unsigned i) const {
    // Summed wide so that a cursor far past the end can't wrap around to a valid index.
    const std::uint64_t index = std::uint64_t{cursor} + i;
    return index < tokens.size() ? tokens[static_cast<std::size_t>(index)] : tokDummy;
}

int GTokenizer::nextInt() const {
    const QStringView token = relative(0);
    if (cursor < std::numeric_limits<std::uint32_t>::max()) ++cursor;
    bool ok = false;
    const int value = token.toInt(&ok, 10);
    if (ok) return value;
    pp("XTokenizer::nextInt, token '$' is not a number", token);
    return 0;
}

double GTokenizer::nextDouble() const {
    const QStringView token = relative(0);
    if (cursor < std::numeric_limits<std::uint32_t>::max()) ++cursor;
    bool ok = false;
    const double value = token.toDouble(&ok);
    if (ok) return value;
    pp("XTokenizer::nextDouble, token '$' is not a 'real' number", token);
    return 0.0;
}

int GTokenizer::putBack() const {
    if (cursor >= 1) --cursor;
    return static_cast<int>(cursor);
}

bool GTokenizer::is_Next_Token(const QString& s) const {
    return relative(0) == s;
}

bool GTokenizer::is_String(QStringView t) {
    return !t.isEmpty() && t.front() == kQuote && t.back() == kQuote;
}

bool GTokenizer::is_Number(QStringView t) {
    bool ok = false;
    (void)t.toInt(&ok, 10);
    return ok;
}

bool GTokenizer::is_RealNumber(QStringView t) {
    bool ok = false;
    (void)t.toDouble(&ok);
    return ok;
}

bool GTokenizer::is_Bracket_open(QStringView t, const QString& set) {
    return is_single_of(t, set);
}
bool GTokenizer::is_Bracket_close(QStringView t, const QString& set) {
    return is_single_of(t, set);
}
bool GTokenizer::is_Operator(QStringView t, const QString& set) {
    return is_single_of(t, set);
}
bool GTokenizer::is_One_of_these_Chars(QStringView t, const QString& set) {
    return is_single_of(t, set);
}

bool GTokenizer::is_WhiteSpace(QStringView t) {
    return std::all_of(t.begin(), t.end(), is_blank);
}

QStringView GTokenizer::get_String(QStringView t) {
    if (!is_String(t)) return t;
    return t.size() == 1 ? t.sliced(1) : t.sliced(1, t.size() - 2);
}

QString GTokenizer::removeWhitespace(const QString& s) {
    QString out;
    out.reserve(s.size());
    for (const QChar c : s)
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r') out.append(c);
    return out;
}

bool GTokenizer::is_Number(unsigned i) const {
    return is_Number(relative(i));
}
bool GTokenizer::is_RealNumber(unsigned i) const {
    return is_RealNumber(relative(i));
}
bool GTokenizer::is_String(unsigned i) const {
    return is_String(relative(i));
}
bool GTokenizer::is_Operator(unsigned i, const QString& set) const {
    return is_Operator(relative(i), set);
}
bool GTokenizer::is_Bracket_open(unsigned i, const QString& set) const {
    return is_Bracket_open(relative(i), set);
}
bool GTokenizer::is_Bracket_close(unsigned i, const QString& set) const {
    return is_Bracket_close(relative(i), set);
}
bool GTokenizer::is_One_of_these_Chars(unsigned i, const QString& set) const {
    return is_One_of_these_Chars(relative(i), set);
}
bool GTokenizer::is_WhiteSpace(unsigned i) const {
    return is_WhiteSpace(tokenAt(i));
}

void GTokenizer::remove_White_Space_Token() {
    cursor = 0;
    std::erase_if(tokens, [](QStringView t) { return is_WhiteSpace(t); });
}

void GTokenizer::fill(std::set<QString>& out) const {
    for (const QStringView t : tokens)
        out.insert(t.toString());
}

void GTokenizer::show(unsigned indent, bool withType) const {
    if (log::get_log_level() < log::DEBUG) return;
    constexpr unsigned kItemIndent = 4;
    const auto count = static_cast<unsigned>(tokens.size());
    log::log_string(log::DEBUG, str::xprintF(indent, "Token:$", count));
    for (unsigned i = 0; i < count; ++i) {
        const QStringView t = tokens[i];
        if (withType)
            log::log_string(log::DEBUG, str::xprintF(kItemIndent, "[$] = '$' -  $",
                                                     str::format_fill_zero(2, i), t, kind_of(t)));
        else
            log::log_string(log::DEBUG, str::xprintF(kItemIndent, "[$] = '$'", i, t));
    }
}

} // namespace gen
