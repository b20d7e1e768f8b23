#pragma once

#include <string>

class QByteArray;
class QString;

// Conversions between the standard library's UTF-8 strings and Qt's text types.
namespace gen::convert {

QString to_qstring(const std::string& s);
std::string to_string(const QString& s);

// "[size] = {b0, b1, ...}" with the bytes as signed decimals. Above `max` bytes only the first and
// the last max/2 are written, with "..., " between them.
std::string to_string(const QByteArray& data, unsigned int max);

} // namespace gen::convert
