#pragma once

#include "gen/Listener.h"

#include <QAction>
#include <QString>

namespace gen::qt {

/// A menu or tool-bar action that reports each triggering to a listener. GUI thread only.
class GAction : public QAction {
public:
    /// An action without text, owned by `parent` as Qt's parent.
    explicit GAction(QObject* parent = nullptr);
    /// An action showing `text`, owned by `parent` as Qt's parent.
    explicit GAction(const QString& text, QObject* parent = nullptr);
    ~GAction() override;

    /// Fires listenerAction with 0; the checked state is not passed on. Each
    /// triggering calls it; a call of one's own fires the listener just the same.
    void doAction(bool checked);

    /// Fired with 0 on each triggering.
    Listener<int> listenerAction;
};

} // namespace gen::qt
