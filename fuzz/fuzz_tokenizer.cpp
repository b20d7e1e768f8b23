// The tokenizer on any text, with every delimiter set and every combination
// of kept delimiters and quotes, then every read-back call.
//
// Input: one byte (bits 0-2 the delimiter set, bit 3 keep delimiters, bit 4
// quotes, bit 5 log at DEBUG), then the text as UTF-8.
#include "gen/GDelimiter.h"
#include "gen/GLog.h"
#include "gen/GTokenizer.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>

using gen::GDelimiter;
using gen::GTokenizer;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // show() and the failed conversions log at DEBUG; run them quietly.
    if (!std::freopen("/dev/null", "w", stdout)) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size == 0) return 0;
    const QString sets[] = {GDelimiter::sDelimAscii,
                            GDelimiter::sDelimAscii_Sentence,
                            GDelimiter::sDelimChinese,
                            GDelimiter::sDelimAll,
                            GDelimiter::sDelimAll_Sentence,
                            QStringLiteral(" ;="),
                            QStringLiteral("/"),
                            QString()};
    const QString& delims = sets[data[0] & 7];
    const bool keep = data[0] & 8, quotes = data[0] & 16;
    // Only some inputs log: writing every line would slow the search down.
    gen::log::set_log_level(data[0] & 32 ? gen::log::DEBUG : gen::log::ERROR);
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    GTokenizer tok(text, delims, keep, quotes);

    // Tokens are non-empty views into the text, in order, and what lies
    // between them is delimiters only, nothing at all when delimiters are kept.
    // A quoted token runs to its closing quote or the end of the text; any
    // other token is a kept delimiter or holds neither delimiters nor quotes.
    qsizetype pos = 0;
    for (const QStringView t : tok.tokens) {
        const qsizetype at = t.data() - text.constData();
        if (t.isEmpty() || at < pos || at + t.size() > text.size()) std::abort();
        for (qsizetype i = pos; i < at; ++i)
            if (keep || !delims.contains(text[i]) || (quotes && text[i] == u'"')) std::abort();
        pos = at + t.size();
        if (quotes && t.front() == u'"') {
            if (t.sliced(1).indexOf(u'"') != (t.size() > 1 && t.back() == u'"' ? t.size() - 2 : -1))
                std::abort();
            if (!GTokenizer::is_String(t) && pos != text.size()) std::abort();
        } else if (t.size() == 1 && delims.contains(t.front())) {
            if (!keep) std::abort();
        } else {
            for (const QChar c : t)
                if (delims.contains(c) || (quotes && c == u'"')) std::abort();
        }
    }
    for (qsizetype i = pos; i < text.size(); ++i)
        if (keep || !delims.contains(text[i])) std::abort();

    const auto n = static_cast<unsigned>(tok.tokens.size());
    for (unsigned i = 0; i <= n; ++i) {
        const QStringView t = tok.tokenAt(i);
        const QStringView inner = GTokenizer::get_String(t);
        if (GTokenizer::is_String(t) ? inner.size() != std::max<qsizetype>(t.size() - 2, 0) : inner != t)
            std::abort();
        const bool single = t.size() == 1 && delims.contains(t.front());
        if (tok.is_One_of_these_Chars(0u, delims) != single || tok.is_Operator(0u, delims) != single ||
            tok.is_Bracket_open(0u, delims) != single || tok.is_Bracket_close(0u, delims) != single ||
            tok.is_String(0u) != GTokenizer::is_String(t) ||
            tok.is_WhiteSpace(i) != GTokenizer::is_WhiteSpace(t))
            std::abort();
        bool isInt = false, isReal = false;
        const int asInt = t.toInt(&isInt);
        const double asReal = t.toDouble(&isReal);
        if (tok.is_Number(0u) != isInt || tok.is_RealNumber(0u) != isReal || !tok.is_Next_Token(t.toString()))
            std::abort();
        if (tok.nextInt() != (isInt ? asInt : 0) || tok.putBack() != static_cast<int>(i)) std::abort();
        const double read = tok.nextDouble();
        if (isReal ? !(read == asReal || (read != read && asReal != asReal)) : read != 0.0) std::abort();
    }
    if (tok.putBack() != static_cast<int>(n)) std::abort();
    tok.show(2, true);
    tok.show(0, false);
    std::set<QString> distinct;
    tok.fill(distinct);
    tok.remove_White_Space_Token();
    for (const QStringView t : tok.tokens)
        if (GTokenizer::is_WhiteSpace(t)) std::abort();
    if (tok.cursor != 0 || distinct.size() > n ||
        std::ranges::any_of(GTokenizer::removeWhitespace(text),
                            [](QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }))
        std::abort();
    return 0;
}
