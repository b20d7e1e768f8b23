#pragma once

// Collects the log lines written while it lives, with their levels.

#include "gen/GLog.h"

#include <QList>
#include <QString>

#include <utility>

struct LogLines {
    // Runs under the logger's lock, so it only stores.
    LogLines() {
        gen::log::set_gui_appender_ext([this](QString text, gen::log::LOG_LEVEL level) {
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

    QList<std::pair<gen::log::LOG_LEVEL, QString>> lines;
};
