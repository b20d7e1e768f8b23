#pragma once

// Collects the log lines written while it lives, with their levels.

#include "gen/GLog.h"

#include <QList>
#include <QString>

#include <chrono>
#include <mutex>
#include <thread>
#include <utility>

struct LogLines {
    using Line = std::pair<gen::log::LOG_LEVEL, QString>;

    // Runs under the logger's lock, so it only stores.
    LogLines() {
        gen::log::set_gui_appender_ext([this](QString text, gen::log::LOG_LEVEL level) {
            const std::lock_guard lock(mutex);
            lines.append({level, text});
        });
    }
    ~LogLines() { gen::log::set_gui_appender_ext({}); }
    LogLines(const LogLines&) = delete;
    LogLines& operator=(const LogLines&) = delete;

    // Exactly one line at `level` ending with `message` (the trailer comes first), or none for "".
    bool only(gen::log::LOG_LEVEL level, const QString& message) const {
        if (message.isEmpty()) return lines.isEmpty();
        return lines.size() == 1 && lines[0].first == level && lines[0].second.endsWith(message);
    }

    // While other threads log, read through these instead of `lines`. The copy is
    // deep: a shared list would be detached by a writer on another thread.
    QList<Line> snapshot() const {
        const std::lock_guard lock(mutex);
        QList<Line> copy;
        copy.reserve(lines.size());
        for (const Line& line : lines)
            copy.append(line);
        return copy;
    }
    // Lines whose message starts with `prefix`.
    int count(const QString& prefix) const {
        int n = 0;
        for (const Line& line : snapshot())
            n += line.second.contains("] " + prefix);
        return n;
    }
    // Waits up to 10 s without running the event loop, so nothing queued is delivered meanwhile.
    bool wait_for(const QString& prefix, int times = 1) const {
        for (int i = 0; i < 1000 && count(prefix) < times; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return count(prefix) >= times;
    }

    QList<Line> lines;
    mutable std::mutex mutex;
};
