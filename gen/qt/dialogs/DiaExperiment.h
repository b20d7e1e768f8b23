#pragma once

#include "gen/qt/dialogs/GDialog.h"

namespace gen::qt {

/// A half-transparent test dialog with sample buttons and a "close" button; it
/// deletes itself when closed, so make it with new. GUI thread only.
class DiaExperiment : public GDialog {
public:
    /// Builds the whole content; ini() would add GDialog's sample content below it.
    explicit DiaExperiment(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~DiaExperiment() override;
};

} // namespace gen::qt
