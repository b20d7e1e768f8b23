#include "gen/qt/dialogs/DiaExperiment.h"

#include "gen/GLog.h"
#include "gen/qt/GButton.h"
#include "gen/qt/GMainPanel.h"

namespace gen::qt {

namespace {
constexpr qreal kOpacity = 0.5;
} // namespace

DiaExperiment::DiaExperiment(QWidget* parent, Qt::WindowFlags flags) : GDialog(parent, flags) {
    pp_info("DiaExperiment::DiaExperiment");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(windowFlags() | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Mein Android Dialog Titel"));
    setWindowOpacity(kOpacity);
    setStyleSheet(QStringLiteral("QDialog { background-color: rgba(100, 100, 100, 128); }"));

    GMainPanel* panel = create_main_panel(VERT);
    panel->setStyleSheet(QStringLiteral("QFrame { background-color: rgba(0, 0, 255, 128); }"));
    panel->create_label(QStringLiteral("Bla"), -1);
    for (const char* text : {"Albert", "Berta", "Claudia", "Dora"})
        panel->create<GButton>(text);
    GButton* closeButton = panel->create<GButton>("close");
    closeButton->listenerClicked = [this] { close(); };
}

DiaExperiment::~DiaExperiment() = default;

} // namespace gen::qt
