#pragma once

// Redirects the process's standard output into a temporary file for the
// lifetime of the object, so tests can read exactly what was written.

#include <QByteArray>
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

    // Everything written so far; ends the capture.
    QByteArray text() {
        restore();
        file.seek(0);
        return file.readAll();
    }

    // The captured text split at line feeds, without the empty tail.
    QList<QByteArray> lines() {
        QList<QByteArray> result = text().split('\n');
        if (result.last().isEmpty()) result.removeLast(); // split() never returns an empty list
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
