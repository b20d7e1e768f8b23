#pragma once

#include <QString>

#include <vector>

namespace gen {

// Ready-made delimiter sets for GTokenizer: ASCII punctuation, sentence ends and Chinese punctuation.
class GDelimiter {
public:
    static const char* const pDelimASCII;
    static const char* const pDelimASCII_Sentence;
    static const QString sDelimAscii;
    static const QString sDelimAscii_Sentence;
    // UTF-8, one character per entry.
    static const std::vector<const char*> arDelimChinese;
    static const QString sDelimChinese;
    static const QString sDelimAll;
    static const QString sDelimAll_Sentence;
};

} // namespace gen
