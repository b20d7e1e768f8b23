#pragma once

// Redirects the process's standard output into a temporary file for the
// lifetime of the object, so tests can read exactly what was written.

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

class StdoutCapture {
public:
    StdoutCapture() {
        file.open();
        std::fflush(stdout);
        saved = ::dup(STDOUT_FILENO);
        ::dup2(file.handle(), STDOUT_FILENO);
    }
    ~StdoutCapture() { restore(); }
    StdoutCapture(const StdoutCapture&) = delete;
    StdoutCapture& operator=(const StdoutCapture&) = delete;

    // Everything written so far; ends the capture.
    QByteArray text() {
        restore();
        QFile in(file.fileName());
        in.open(QIODevice::ReadOnly);
        return in.readAll();
    }

    // The captured text split at line feeds, without the empty tail.
    QList<QByteArray> lines() {
        QList<QByteArray> result = text().split('\n');
        if (!result.isEmpty() && result.last().isEmpty()) result.removeLast();
        return result;
    }

private:
    void restore() {
        if (saved < 0) return;
        std::fflush(stdout);
        ::dup2(saved, STDOUT_FILENO);
        ::close(saved);
        saved = -1;
    }

    QTemporaryFile file;
    int saved = -1;
};
