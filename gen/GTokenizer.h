#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <set>
#include <vector>

namespace gen {

/// Splits a text into tokens at a set of delimiter characters and reads them back with a cursor.
///
/// The tokens are views into the text given to the constructor or to buildToken(): that QString
/// must outlive the tokenizer and must not be changed while the tokens are used. Temporaries are
/// rejected at compile time for that reason. One object belongs to one thread at a time, since
/// even the const readers move the cursor.
class GTokenizer {
public:
    /// The tokens in text order; each delimiter is one character of the delimiter set.
    std::vector<QStringView> tokens;
    /// Index of the next token to read; the reading functions are const but move it.
    mutable std::uint32_t cursor = 0;

    /// Tokenizes `text` as buildToken() does.
    GTokenizer(const QString& text, const QString& delimiters, bool keepDelimiters, bool withQuotes);
    /// Refused: the tokens would point into a destroyed string.
    GTokenizer(QString&& text, const QString& delimiters, bool keepDelimiters, bool withQuotes) = delete;

    /// Replaces the tokens by those of `text` and returns their number; the
    /// cursor stays where it was. Delimiters end a token and, with
    /// `keepDelimiters`, are tokens of their own; runs of delimiters give no
    /// empty tokens. With withQuotes, a double quote ends a pending token and
    /// starts a quoted one, quotes included, that runs through the next double
    /// quote, or to the end of the text when there is none.
    unsigned buildToken(const QString& text, const QString& delimiters, bool keepDelimiters, bool withQuotes);
    /// Refused: the tokens would point into a destroyed string.
    unsigned buildToken(QString&& text, const QString& delimiters, bool keepDelimiters,
                        bool withQuotes) = delete;

    /// The token at index i, or an empty view for an index at or past the end.
    const QStringView& tokenAt(unsigned i) const;
    /// The same, writable; past the end a per-thread empty view that the next such call empties again.
    QStringView& tokenAt(unsigned i);

    /// Reads the token at the cursor as a decimal int and moves past it. A token that is not a
    /// number, or reading past the last token, gives 0 and a DEBUG line.
    int nextInt() const;
    /// The same for a floating-point number in C notation.
    double nextDouble() const;
    /// Moves the cursor back one token, not below 0, and returns it.
    int putBack() const;
    /// Whether the token at the cursor is `s`; the cursor stays.
    bool is_Next_Token(const QString& s) const;

    /// A token that starts and ends with a double quote; a lone quote counts.
    static bool is_String(QStringView t);
    /// A decimal number that fits an int.
    static bool is_Number(QStringView t);
    /// A floating-point number in C notation; every int is one too.
    static bool is_RealNumber(QStringView t);
    /// One character that is in `set`, as is_One_of_these_Chars(); the name is for the reader.
    static bool is_Bracket_open(QStringView t, const QString& set);
    /// One character that is in `set`, as is_One_of_these_Chars().
    static bool is_Bracket_close(QStringView t, const QString& set);
    /// One character that is in `set`, as is_One_of_these_Chars().
    static bool is_Operator(QStringView t, const QString& set);
    /// A token of exactly one character, which is in `set`.
    static bool is_One_of_these_Chars(QStringView t, const QString& set);
    /// Only blanks and tabs; the empty token counts as white space.
    static bool is_WhiteSpace(QStringView t);
    /// The text between the quotes of a string token; any other token unchanged.
    static QStringView get_String(QStringView t);
    /// `s` without blanks, tabs, carriage returns and line feeds.
    static QString removeWhitespace(const QString& s);

    /// is_Number() of the token at cursor + i, the empty token past the end.
    bool is_Number(unsigned i) const;
    /// is_RealNumber() of the token at cursor + i.
    bool is_RealNumber(unsigned i) const;
    /// is_String() of the token at cursor + i.
    bool is_String(unsigned i) const;
    /// is_Operator() of the token at cursor + i.
    bool is_Operator(unsigned i, const QString& set) const;
    /// is_Bracket_open() of the token at cursor + i.
    bool is_Bracket_open(unsigned i, const QString& set) const;
    /// is_Bracket_close() of the token at cursor + i.
    bool is_Bracket_close(unsigned i, const QString& set) const;
    /// is_One_of_these_Chars() of the token at cursor + i.
    bool is_One_of_these_Chars(unsigned i, const QString& set) const;
    /// is_WhiteSpace() of the token at index i itself, not counted from the
    /// cursor; true past the end.
    bool is_WhiteSpace(unsigned i) const;

    /// Drops the white-space tokens and puts the cursor back to 0.
    void remove_White_Space_Token();
    /// Adds the text of every token to `out`.
    void fill(std::set<QString>& out) const;
    /// Logs the tokens at DEBUG, one per line, with their kind when `withType`;
    /// `indent` indents the first line only.
    void show(unsigned indent, bool withType) const;

private:
    const QStringView& relative(unsigned i) const;
};

} // namespace gen
