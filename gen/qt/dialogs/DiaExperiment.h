#pragma once

// A half-transparent test dialog with sample buttons and a "close" button; it
// deletes itself when closed. GUI thread only.

#include "gen/qt/dialogs/GDialog.h"

namespace gen::qt {

class DiaExperiment : public GDialog {
public:
    explicit DiaExperiment(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~DiaExperiment() override;
};

} // namespace gen::qt
