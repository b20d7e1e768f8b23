#pragma once

// Small text helpers on byte strings: numbers with fill characters,
// thousands grouping, byte sizes, hex dumps and plain string edits; and the
// escaping of outside text for the log.

#include "gen/GFormat.h"

#include <sstream>
#include <string>
#include <vector>

class QString;

namespace gen::str {

// The text that a string stream's operator<< writes for `v`.
template <typename T>
std::string to_string(const T& v) {
    std::ostringstream out;
    out << v;
    return out.str();
}

std::string to_lower(const std::string& s);
std::string trim(const std::string& s);
std::string replace_tab(const std::string& s);

bool contains(const std::string& s, const std::string& part);
bool contains(const std::string& s, char c);
bool remove_part(std::string& s, const std::string& part);

// The lines of `s`; a negative `maxLines` means no limit.
std::vector<std::string> split_lines(const std::string& s, int maxLines);

// Inserts "." between groups of three characters, counted from the end.
std::string format_str_1000(const std::string& digits);
std::string format_fill(char fill, unsigned width, long long v);
std::string format_fill_zero(unsigned width, long long v);
// Six zero-filled digits split as milliseconds "." microseconds: 1234 -> 001.234.
std::string format_fill_zero_microseconds(unsigned long long us);
std::string format_float(double v, unsigned digits);
std::string format_bytes(double bytes);
std::string format_bytes_1024(double bytes);
std::string to_utf8(const QString& s);
// `s` made safe to log as one line: a line feed, carriage return, tab or
// backslash becomes \n, \r, \t or \\; other C0 controls, DEL and C1 controls
// become \xNN, and U+2028/U+2029 (line breaks to a text view) \uNNNN, in
// lower-case hex. Text from outside (file names, URLs) goes through this
// before it is logged, so it can neither split a line nor fake an escape.
QString escape_controls(const QString& s);
std::string format_array_as_hex(const unsigned char* data, unsigned size, unsigned long long head,
                                unsigned long long tail);

void remove_last_chars(std::stringstream& ss, unsigned n);
unsigned long long count_chars(std::stringstream& ss);

} // namespace gen::str
