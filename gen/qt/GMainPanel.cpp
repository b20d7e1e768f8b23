#include "gen/qt/GMainPanel.h"

namespace gen::qt {

GMainPanel::GMainPanel() = default;

GMainPanel::GMainPanel(GLAYOUT l) : GPanel(l) {}

GMainPanel::~GMainPanel() = default;

} // namespace gen::qt
