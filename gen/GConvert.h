#pragma once

#include <string>

class QByteArray;
class QString;

/// Conversions between the standard library's UTF-8 strings and Qt's text
/// types. Any thread may call them.
namespace gen::convert {

/// `s` read as UTF-8; bytes that are not UTF-8 become U+FFFD.
QString to_qstring(const std::string& s);
/// `s` as UTF-8, U+0000 included.
std::string to_string(const QString& s);

/// "[size] = {b0, b1, ...}" with the bytes as signed decimals. Above `max` bytes only the first and
/// the last max/2 are written, with "..., " between them.
std::string to_string(const QByteArray& data, unsigned int max);

} // namespace gen::convert
