#include "gen/qt/GMenu.h"

namespace gen::qt {

GMenu::GMenu(QWidget* parent) : QMenu(parent) {}

GMenu::~GMenu() = default;

} // namespace gen::qt
