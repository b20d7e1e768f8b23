#include "gen/GConvert.h"

#include "gen/GFormat.h"

#include <QByteArray>
#include <QString>

#include <sstream>

namespace gen::convert {

QString to_qstring(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

std::string to_string(const QString& s) {
    const QByteArray utf8 = s.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

std::string to_string(const QByteArray& data, unsigned int max) {
    const qsizetype size = data.size();
    const bool cut = size > static_cast<qsizetype>(max);
    const qsizetype half = max / 2;

    std::ostringstream out;
    out << str::xprintF(0, "[$] = {", static_cast<long long>(size));
    bool first = true;
    auto write = [&](qsizetype from, qsizetype to) {
        for (qsizetype i = from; i < to; ++i) {
            if (!first) out << ", ";
            first = false;
            // C++20 makes the conversion to signed char wrap, so 255 becomes -1 on every platform.
            out << static_cast<int>(static_cast<signed char>(data[i]));
        }
    };
    if (cut) {
        write(0, half);
        out << (first ? "..." : ", ...");
        first = false;
        write(size - half, size);
    } else {
        write(0, size);
    }
    out << '}';
    return out.str();
}

} // namespace gen::convert
