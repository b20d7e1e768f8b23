// Child process for the fatal-handler tests: runs one handler, which must end it.
#include "gen/GLog.h"
#include "gen/qt/dialogs/GDialogOption.h"

#include <QApplication>

#include <cstring>

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "null") == 0)
        gen::nullPointerHandling("gen/qt/GPanel", 42, QStringLiteral("widget == NULL"));
    if (argc > 1 && std::strcmp(argv[1], "bool") == 0) gen::boolExpressionHandling("count > 0", 7);
    // The options dialog without a settings object.
    if (argc > 1 && std::strcmp(argv[1], "options") == 0) {
        QApplication app(argc, argv);
        gen::qt::GDialogOption dialog;
        dialog.ini();
    }
    return 0;
}
