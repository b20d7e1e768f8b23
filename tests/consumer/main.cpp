// Logs one line through the library, proving headers, library and Qt link,
// and finds the library's picture and icon bundle without registering it.
#include "gen/GLog.h"
#include "gen/Listener.h"

#include <QFile>

int main() {
    gen::log::set_control_bits(0);
    gen::Listener<int> listener;
    int seen = 0;
    listener = [&](const int& v) { seen = v; };
    listener.fire_event(42, gen::FIRE_EVENT::DIRECT);
    gen::pp_info(gen::str::xprintF(0, "consumer got $", seen));
    const bool bundled = QFile::exists(QStringLiteral(":/wb/icons/copy.svg"));
    gen::pp_info(gen::str::xprintF(0, "bundle found: $", bundled));
    return seen == 42 && bundled ? 0 : 1;
}
