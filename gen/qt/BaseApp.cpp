#include "gen/qt/BaseApp.h"

#include <QCoreApplication>

namespace gen::qt {

BaseApp* gAppBase = nullptr;

BaseApp::BaseApp(int& argc, char** argv) : QApplication(argc, argv) {
    gAppBase = this;
}

BaseApp::~BaseApp() {
    if (gAppBase == this) gAppBase = nullptr;
}

void BaseApp::prepare_settings(const QString& organisation, const QString& application) {
    QCoreApplication::setOrganizationName(organisation);
    QCoreApplication::setApplicationName(application);
}

} // namespace gen::qt
