#pragma once

/// \file
/// Small text helpers on byte strings: numbers with fill characters,
/// thousands grouping, byte sizes, hex dumps and plain string edits; and the
/// escaping of outside text for the log. Any thread may call them.

#include "gen/GFormat.h"

#include <sstream>
#include <string>
#include <vector>

class QString;

namespace gen::str {

/// The text that a string stream's operator<< writes for `v`.
template <typename T>
std::string to_string(const T& v) {
    std::ostringstream out;
    out << v;
    return out.str();
}

/// `s` with the letters A to Z made lower case; every other byte, those of
/// UTF-8 sequences included, stays as it is.
std::string to_lower(const std::string& s);
/// `s` without leading and trailing blanks, tabs, line feeds, carriage
/// returns, vertical tabs and form feeds, whatever the locale.
std::string trim(const std::string& s);
/// `s` with each tab replaced by four blanks.
std::string replace_tab(const std::string& s);

/// Whether `part` occurs in `s`; the empty part always does.
bool contains(const std::string& s, const std::string& part);
/// Whether `c` occurs in `s`.
bool contains(const std::string& s, char c);
/// Removes the first occurrence of `part` from `s`; false when there is none.
/// The empty part removes nothing and gives true.
bool remove_part(std::string& s, const std::string& part);

/// The lines of `s`; a negative `maxLines` means no limit. A line feed ends a
/// line and a carriage return before it is dropped; an empty last line is not
/// counted.
std::vector<std::string> split_lines(const std::string& s, int maxLines);

/// Inserts "." between groups of three characters, counted from the end.
std::string format_str_1000(const std::string& digits);
/// `v` in decimal with `fill` in front, before a minus sign too, up to `width`
/// characters; widths above 4095 count as 4095, and a longer number is not cut.
std::string format_fill(char fill, unsigned width, long long v);
/// `v` as printf's "%0*lld" writes it: the sign, then zeros up to `width`
/// characters; widths above 4095 count as 4095.
std::string format_fill_zero(unsigned width, long long v);
/// Six zero-filled digits split as milliseconds "." microseconds: 1234 -> 001.234.
/// Meant for values below one million; larger ones lose their last digits.
std::string format_fill_zero_microseconds(unsigned long long us);
/// `v` as printf's "%2.*f" writes it with `digits` decimals, at most 4095.
std::string format_float(double v, unsigned digits);
/// A size with two decimals in the largest decimal unit it exceeds, KB, MB, GB
/// or TB; below 1000 bytes still in KB.
std::string format_bytes(double bytes);
/// The same in units of 1024, still written KB, MB, GB and TB.
std::string format_bytes_1024(double bytes);
/// `s` as UTF-8.
std::string to_utf8(const QString& s);
/// `s` made safe to log as one line: a line feed, carriage return, tab or
/// backslash becomes `\n`, `\r`, `\t` or `\\`; other C0 controls, DEL and C1 controls
/// become `\xNN`, and U+2028/U+2029 (line breaks to a text view) `\uNNNN`, in
/// lower-case hex. Text from outside (file names, URLs) goes through this
/// before it is logged, so it can neither split a line nor fake an escape.
QString escape_controls(const QString& s);
/// "[size] = {AB CD ...}": the size grouped by ".", then every byte in upper-case
/// hex when `head` + `tail` cover them all, or else the first `head`, " .. "
/// and the last `tail`. A null `data` gives the size and "{}".
std::string format_array_as_hex(const unsigned char* data, unsigned size, unsigned long long head,
                                unsigned long long tail);

/// Removes the last `n` characters written to `ss`, which stays ready for
/// more; a stream holding fewer is left alone.
void remove_last_chars(std::stringstream& ss, unsigned n);
/// The number of characters written to `ss`.
unsigned long long count_chars(std::stringstream& ss);

} // namespace gen::str
