#pragma once

// Helpers every test program may need: a configuration home of its own, and
// widgets found by type and text.

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QTemporaryDir>

// While it lives, QSettings stores made in this process live in a temporary
// directory, never in the user's configuration.
class ConfigHome {
public:
    ConfigHome() : saved(qgetenv("XDG_CONFIG_HOME")) { qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit()); }
    ~ConfigHome() { qputenv("XDG_CONFIG_HOME", saved); }
    ConfigHome(const ConfigHome&) = delete;
    ConfigHome& operator=(const ConfigHome&) = delete;

    QString path() const { return dir.path(); }

private:
    QTemporaryDir dir;
    QByteArray saved;
};

// The toolkit's widgets carry no meta-object of their own, so findChildren<T>()
// cannot tell them from their Qt base class; this goes by the C++ type.
template <typename T>
QList<T*> children_of(const QObject& root) {
    QList<T*> found;
    for (QObject* o : root.findChildren<QObject*>())
        if (auto* t = dynamic_cast<T*>(o)) found << t;
    return found;
}

// The first descendant of type T showing `text` (a button's or a label's), or null.
template <typename T>
T* with_text(const QObject& root, const QString& text) {
    for (T* w : children_of<T>(root))
        if (w->text() == text) return w;
    return nullptr;
}
