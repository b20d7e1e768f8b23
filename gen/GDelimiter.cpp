#include "gen/GDelimiter.h"

namespace gen {

namespace {

QString join_utf8(const std::vector<const char*>& parts) {
    QString out;
    for (const char* p : parts)
        out += QString::fromUtf8(p);
    return out;
}

} // namespace

// "/" appears twice, which is harmless in a set.
const char* const GDelimiter::pDelimASCII = " \t{,;:./}()[]@\\+-*/%^#!?<>|&~=\"'`";
const char* const GDelimiter::pDelimASCII_Sentence = ".!?";
const QString GDelimiter::sDelimAscii = QString::fromLatin1(pDelimASCII);
const QString GDelimiter::sDelimAscii_Sentence = QString::fromLatin1(pDelimASCII_Sentence);

// Written as UTF-8 bytes so the source encoding the compiler assumes does not matter.
const std::vector<const char*> GDelimiter::arDelimChinese = {
    "\xE3\x80\x82", // U+3002 ideographic full stop
    "\xEF\xBC\x81", // U+FF01 fullwidth exclamation mark
    "\xEF\xBC\x8E", // U+FF0E fullwidth full stop
    "\xEF\xBC\x8C", // U+FF0C fullwidth comma
    "\xEF\xBC\x9F", // U+FF1F fullwidth question mark
    "\xEF\xBC\x9A", // U+FF1A fullwidth colon
    "\xE2\x80\xA6", // U+2026 horizontal ellipsis
    "\xEF\xBC\x88", // U+FF08 fullwidth left parenthesis
    "\xEF\xBC\x89", // U+FF09 fullwidth right parenthesis
    "\xE9\xAB\x98", // U+9AD8
    "\xE2\x80\x9D", // U+201D right double quotation mark
    "\xE3\x80\x8A", // U+300A left double angle bracket
    "\xE3\x80\x8B", // U+300B right double angle bracket
    "\xE2\x80\x9C", // U+201C left double quotation mark
    "\xE3\x80\x80", // U+3000 ideographic space
};

// Defined after the sets they are built from: within one file initialisation follows this order.
const QString GDelimiter::sDelimChinese = join_utf8(arDelimChinese);
const QString GDelimiter::sDelimAll = sDelimAscii + sDelimChinese;
const QString GDelimiter::sDelimAll_Sentence = sDelimAscii_Sentence + sDelimChinese;

} // namespace gen
