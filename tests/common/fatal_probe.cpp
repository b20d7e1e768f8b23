// Child process for the fatal-handler tests: makes one call that must end it.
#include "Window.h"

#include "gen/GLog.h"
#include "gen/qt/dialogs/GDialogOption.h"
#include "gen/qt/GPanel.h"

#include <QApplication>
#include <QLabel>

#include <cstring>

int main(int argc, char** argv) {
    const char* call = argc > 1 ? argv[1] : "";
    if (std::strcmp(call, "null") == 0)
        gen::nullPointerHandling("gen/qt/GPanel", 42, QStringLiteral("widget == NULL"));
    if (std::strcmp(call, "bool") == 0) gen::boolExpressionHandling("count > 0", 7);
    QApplication app(argc, argv);
    if (std::strcmp(call, "no-layout") == 0) gen::qt::GPanel().add_widget(new QLabel);
    if (std::strcmp(call, "null-widget") == 0) gen::qt::GPanel(gen::qt::STACKED).show_stacked_widget(nullptr);
    // Both need the settings object, which this program never makes.
    if (std::strcmp(call, "options") == 0) gen::qt::GDialogOption().ini();
    if (std::strcmp(call, "window") == 0) const Window window;
    return 0;
}
