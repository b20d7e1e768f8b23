// Every typed getter of the settings store on whatever an INI file may hold.
// The default is only ever returned whole, integers never wrap around, and an
// object's key is the plain key with "@" and the object's name.
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
#include <cstring>
#include <optional>

using gen::qt::GSettings;

namespace {

std::optional<QTemporaryDir> dir;

template <typename T>
bool same(const T& a, const T& b) {
    if constexpr (std::is_floating_point_v<T>)
        return a == b || (a != a && b != b);
    else
        return a == b;
}

// Asked with two different defaults, a getter gives each default for an
// absent key, and otherwise the same value both times or each default.
template <typename T, typename Get>
void check_default(bool absent, const T& d1, const T& d2, Get get) {
    const T r1 = get(d1), r2 = get(d2);
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
    {
        const GSettings s(path, QSettings::IniFormat);
        QObject owner;
        // Each key costs a few dozen lookups: a bounded number keeps long
        // inputs from slowing the search to a crawl.
        constexpr qsizetype kMaxKeys = 16;
        QStringList keys = s.allKeys().first(std::min(s.allKeys().size(), kMaxKeys));
        keys << QStringLiteral("ui/theme") << QStringLiteral("no such key");
        for (const QString& key : keys) {
            const qsizetype at = key.lastIndexOf(u'@');
            owner.setObjectName(at < 0 ? QString() : key.sliced(at + 1));
            const QString base = at < 0 ? key : key.first(at);
            if (at >= 0 && s.get_int(base, 7, &owner) != s.get_int(key, 7)) std::abort();
            const bool absent = !s.contains(key);
            check_default<unsigned>(absent, 3u, 4u, [&](unsigned d) { return s.get_uint(key, d); });
            check_default<int>(absent, -3, 4, [&](int d) { return s.get_int(key, d); });
            check_default<float>(absent, 0.5f, -2.0f, [&](float d) { return s.get_float(key, d); });
            check_default<double>(absent, 0.5, -2.0, [&](double d) { return s.get_double(key, d); });
            check_default<bool>(absent, true, false, [&](bool d) { return s.get<bool>(key, d); });
            check_default<QByteArray>(absent, "a", "b",
                                      [&](const QByteArray& d) { return s.get<QByteArray>(key, d); });
            check_default<QRect>(absent, QRect(1, 2, 3, 4), QRect(),
                                 [&](QRect d) { return s.get_rect(key, d); });
            check_default<QPoint>(absent, QPoint(1, 2), QPoint(3, 4),
                                  [&](QPoint d) { return s.get_point(key, d); });
            check_default<QSize>(absent, QSize(1, 2), QSize(3, 4),
                                 [&](QSize d) { return s.get_size(key, d); });
            if (!s.get_color(key, Qt::red).isValid()) std::abort();
            // A plain decimal number is read as itself when it fits, and as
            // zero rather than wrapped when it does not.
            const QString text = s.value(key).toString();
            static const QRegularExpression decimal(QStringLiteral("^-?[0-9]{1,18}$"));
            if (s.value(key).typeId() == QMetaType::QString && decimal.match(text).hasMatch()) {
                const long long v = text.toLongLong();
                if (s.get_int(key, 7) != (v == int(v) ? int(v) : 0)) std::abort();
                if (s.get_uint(key, 7) != (v >= 0 && v == unsigned(v) ? unsigned(v) : 0)) std::abort();
            }
        }
        // The named getters are the generic ones with their own defaults.
        if (s.get_theme() != s.get_uint(QStringLiteral("ui/theme"), 1) ||
            s.get_config_version() != s.get_uint(QStringLiteral("config/version"), 99) ||
            s.is_gui_log_enabled() != s.get<bool>(QStringLiteral("log/gui/enabled"), true) ||
            s.get_gui_log_font_size() != s.get_uint(QStringLiteral("log/gui/fontSize"), 9) ||
            s.get_log_level() != s.get_uint(QStringLiteral("log/level"), 0) ||
            s.get_log_digits() != s.get_uint(QStringLiteral("log/digits"), 6))
            std::abort();
    }
    return 0;
}
