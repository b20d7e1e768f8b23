#pragma once

// Helpers every test program may need: a child process run to its end, a
// configuration home of its own, and widgets found by type and text.

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// What a child process left behind; exitCode is -1 when it crashed, hung or never started.
struct ChildResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs `program` to its end, killing it after `timeoutMs`.
inline ChildResult run_child(const QString& program, const QStringList& args = {},
                             const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
                             int timeoutMs = 30000) {
    QProcess child;
    child.setProcessEnvironment(env);
    child.start(program, args);
    ChildResult result;
    if (!child.waitForFinished(timeoutMs)) child.kill();
    child.waitForFinished();
    if (child.exitStatus() == QProcess::NormalExit && child.error() != QProcess::FailedToStart)
        result.exitCode = child.exitCode();
    result.out = child.readAllStandardOutput();
    result.err = child.readAllStandardError();
    return result;
}

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
