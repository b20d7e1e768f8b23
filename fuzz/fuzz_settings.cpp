// The typed getters of the settings store on whatever an INI file may hold:
// the default is only ever returned whole and integers never wrap around.
//
// Input: the text of the store's INI file.
#include "gen/GLog.h"
#include "gen/tools/GSettings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <optional>

using gen::qt::GSettings;

namespace {

std::optional<QTemporaryDir> dir;

// Asked with two different defaults, a getter gives each default for an
// absent key, and otherwise the same value both times or each default.
template <typename T, typename Get>
void check_default(bool absent, const T& d1, const T& d2, Get get) {
    const T r1 = get(d1), r2 = get(d2);
    const auto same = [](const T& a, const T& b) { return a == b || (a != a && b != b); };
    const bool defaults = same(r1, d1) && same(r2, d2);
    if (absent ? !defaults : !same(r1, r2) && !defaults) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    gen::log::set_log_level(gen::log::ERROR);
    dir.emplace();
    return dir->isValid() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    // QSettings keeps parsed files by name and reads one again only when its
    // size or time stamp changed, so each input gets a time stamp of its own.
    static qint64 stamp = 0;
    const QString path = dir->filePath(QStringLiteral("store.ini"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
        file.setFileTime(QDateTime::fromSecsSinceEpoch(++stamp), QFileDevice::FileModificationTime);
    }
    const GSettings s(path, QSettings::IniFormat);
    // Each key costs a few dozen lookups: a bounded number keeps long inputs
    // from slowing the search to a crawl.
    const QStringList keys = s.allKeys().first(std::min<qsizetype>(s.allKeys().size(), 16)) << "no such key";
    for (const QString& key : keys) {
        const bool absent = !s.contains(key);
        check_default<unsigned>(absent, 3u, 4u, [&](unsigned d) { return s.get_uint(key, d); });
        check_default<int>(absent, -3, 4, [&](int d) { return s.get_int(key, d); });
        check_default<double>(absent, 0.5, -2.0, [&](double d) { return s.get_double(key, d); });
        // A plain decimal number is read as itself when it fits, and as zero
        // rather than wrapped when it does not.
        const QString text = s.value(key).toString();
        static const QRegularExpression decimal(QStringLiteral("^-?[0-9]{1,18}$"));
        if (s.value(key).typeId() == QMetaType::QString && decimal.match(text).hasMatch()) {
            const long long v = text.toLongLong();
            if (s.get_int(key, 7) != (v == int(v) ? int(v) : 0)) std::abort();
            if (s.get_uint(key, 7) != (v >= 0 && v == unsigned(v) ? unsigned(v) : 0)) std::abort();
        }
    }
    return 0;
}
