#include "gen/qt/dialogs/GDialog.h"

#include "gen/GLog.h"
#include "gen/qt/GButton.h"
#include "gen/qt/GMainPanel.h"

#include <QLayout>
#include <QVBoxLayout>

namespace gen::qt {

GDialog::GDialog(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags) {}

GDialog::~GDialog() {
    pp("GDialog::~GDialog");
}

GMainPanel* GDialog::create_main_panel(GLAYOUT layout) {
    mainPanel = new GMainPanel(layout);
    // Qt refuses a second layout on a widget, and the refused one would leak.
    if (QLayout* existing = this->layout()) {
        existing->addWidget(mainPanel);
        return mainPanel;
    }
    auto* box = new QVBoxLayout;
    box->addWidget(mainPanel, 0, {});
    box->setSpacing(0);
    box->setContentsMargins(0, 0, 0, 0);
    setLayout(box);
    return mainPanel;
}

void GDialog::ini() {
    GMainPanel* panel = create_main_panel(VERT);
    for (const char* text : {"Albert", "Berta", "Claudia", "Dora"})
        panel->create<GButton>(text);
    panel->create_spacer_horz();
    GButton* end = panel->create<GButton>("End");
    end->listenerClicked = [this] { close(); };
}

} // namespace gen::qt
