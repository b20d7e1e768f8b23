#pragma once

// Collects the log lines written while it lives, with their levels.

#include "gen/GLog.h"

#include <QList>
#include <QString>

struct LogLines {
    LogLines() {
        // Runs under the logger's lock, so it only stores.
        gen::log::set_gui_appender_ext([this](QString text, gen::log::LOG_LEVEL level) {
            lines.append({level, text});
        });
    }
    ~LogLines() { gen::log::set_gui_appender_ext({}); }

    // Lines at `level` ending with `message`; the trailer comes first.
    int count(gen::log::LOG_LEVEL level, const QString& message) const {
        int n = 0;
        for (const auto& [lineLevel, text] : lines)
            n += lineLevel == level && text.endsWith(message);
        return n;
    }

    QList<std::pair<gen::log::LOG_LEVEL, QString>> lines;
};
