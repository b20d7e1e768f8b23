// The tokenizer on any text, with every delimiter set and every combination
// of kept delimiters and quotes: the split itself, which no table of cases
// covers for every text.
//
// Input: one byte (bits 0-2 the delimiter set, bit 3 keep delimiters, bit 4
// quotes, bit 5 log at DEBUG), then the text as UTF-8.
#include "gen/GDelimiter.h"
#include "gen/GLog.h"
#include "gen/GTokenizer.h"

#include <cstdio>
#include <cstdlib>

using gen::GDelimiter;
using gen::GTokenizer;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // show() logs at DEBUG; run it quietly.
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
    // Classifying and printing any token must not crash.
    tok.show(2, true);
    return 0;
}
