// Child process for the fatal-handler tests: runs one handler, which must end it.
#include "gen/GLog.h"

#include <cstring>

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "null") == 0)
        gen::nullPointerHandling("gen/qt/GPanel", 42, QStringLiteral("widget == NULL"));
    if (argc > 1 && std::strcmp(argv[1], "bool") == 0) gen::boolExpressionHandling("count > 0", 7);
    return 0;
}
