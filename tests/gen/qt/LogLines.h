#pragma once

// Collects the log lines written while it lives, with their levels.

#include "gen/GLog.h"

#include <QList>
#include <QString>

#include <utility>

struct LogLines {
    LogLines() {
        // Runs under the logger's lock, so it only stores.
        gen::log::set_gui_appender_ext([this](QString text, gen::log::LOG_LEVEL level) {
            lines.append({level, text});
        });
    }
    ~LogLines() { gen::log::set_gui_appender_ext({}); }
    LogLines(const LogLines&) = delete;
    LogLines& operator=(const LogLines&) = delete;

    // Lines at `level` ending with `message`; the trailer comes first.
    int count(gen::log::LOG_LEVEL level, const QString& message) const {
        int n = 0;
        for (const auto& [lineLevel, text] : lines)
            n += lineLevel == level && text.endsWith(message);
        return n;
    }
    // Exactly that one line was written, or nothing for an empty `message`.
    bool only(gen::log::LOG_LEVEL level, const QString& message) const {
        return lines.size() == int(!message.isEmpty()) && count(level, message) == lines.size();
    }

    QList<std::pair<gen::log::LOG_LEVEL, QString>> lines;
};
