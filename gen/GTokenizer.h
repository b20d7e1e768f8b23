#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <set>
#include <vector>

namespace gen {

// Splits a text into tokens at a set of delimiter characters and reads them back with a cursor.
//
// The tokens are views into the text given to the constructor or to buildToken(): that QString
// must outlive the tokenizer and must not be changed while the tokens are used. Temporaries are
// rejected at compile time for that reason.
class GTokenizer {
public:
    std::vector<QStringView> tokens;
    // Index of the next token to read; the reading functions are const but move it.
    mutable std::uint32_t cursor = 0;

    GTokenizer(const QString& text, const QString& delimiters, bool keepDelimiters, bool withQuotes);
    GTokenizer(QString&& text, const QString& delimiters, bool keepDelimiters, bool withQuotes) = delete;

    // With withQuotes, a double quote ends a pending token and starts a quoted one that runs through
    // the next double quote, or to the end of the text when there is none.
    unsigned buildToken(const QString& text, const QString& delimiters, bool keepDelimiters, bool withQuotes);
    unsigned buildToken(QString&& text, const QString& delimiters, bool keepDelimiters,
                        bool withQuotes) = delete;

    // The token at index i, or an empty view for an index at or past the end.
    const QStringView& tokenAt(unsigned i) const;
    QStringView& tokenAt(unsigned i);

    // Reading past the last token yields the empty token, so the result is 0 and a DEBUG line.
    int nextInt() const;
    double nextDouble() const;
    int putBack() const;
    bool is_Next_Token(const QString& s) const;

    static bool is_String(QStringView t);
    static bool is_Number(QStringView t);
    static bool is_RealNumber(QStringView t);
    static bool is_Bracket_open(QStringView t, const QString& set);
    static bool is_Bracket_close(QStringView t, const QString& set);
    static bool is_Operator(QStringView t, const QString& set);
    static bool is_One_of_these_Chars(QStringView t, const QString& set);
    static bool is_WhiteSpace(QStringView t);
    static QStringView get_String(QStringView t);
    static QString removeWhitespace(const QString& s);

    // These look at the token at cursor + i ...
    bool is_Number(unsigned i) const;
    bool is_RealNumber(unsigned i) const;
    bool is_String(unsigned i) const;
    bool is_Operator(unsigned i, const QString& set) const;
    bool is_Bracket_open(unsigned i, const QString& set) const;
    bool is_Bracket_close(unsigned i, const QString& set) const;
    bool is_One_of_these_Chars(unsigned i, const QString& set) const;
    // ... but this one at index i itself.
    bool is_WhiteSpace(unsigned i) const;

    void remove_White_Space_Token();
    void fill(std::set<QString>& out) const;
    void show(unsigned indent, bool withType) const;

private:
    const QStringView& relative(unsigned i) const;
};

} // namespace gen
