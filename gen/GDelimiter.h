#pragma once

#include <QString>

#include <vector>

namespace gen {

/// Ready-made delimiter sets for GTokenizer: ASCII punctuation, sentence ends and Chinese punctuation.
///
/// The members are built while the program starts: reading them from another
/// file's static initialisation may see them empty.
class GDelimiter {
public:
    /// Blank, tab, the ASCII brackets, punctuation, operators and quotes.
    static const char* const pDelimASCII;
    /// The ASCII sentence ends ".!?".
    static const char* const pDelimASCII_Sentence;
    /// pDelimASCII as a QString.
    static const QString sDelimAscii;
    /// pDelimASCII_Sentence as a QString.
    static const QString sDelimAscii_Sentence;
    /// Fullwidth and CJK punctuation, quotation marks, the ideographic space
    /// and U+9AD8; UTF-8, one character per entry.
    static const std::vector<const char*> arDelimChinese;
    /// arDelimChinese as one QString.
    static const QString sDelimChinese;
    /// The ASCII and the Chinese set together.
    static const QString sDelimAll;
    /// The ASCII sentence ends and the whole Chinese set, commas and brackets included.
    static const QString sDelimAll_Sentence;
};

} // namespace gen
