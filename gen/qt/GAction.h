#pragma once

// A menu or tool-bar action that reports each triggering to a listener.

#include "gen/Listener.h"

#include <QAction>
#include <QString>

namespace gen::qt {

class GAction : public QAction {
public:
    explicit GAction(QObject* parent = nullptr);
    explicit GAction(const QString& text, QObject* parent = nullptr);
    ~GAction() override;

    // Fires listenerAction with 0; the checked state is not passed on.
    void doAction(bool checked);

    Listener<int> listenerAction;
};

} // namespace gen::qt
