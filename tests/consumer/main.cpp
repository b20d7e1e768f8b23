// Logs one line through the library, proving headers, library and Qt link.
#include "gen/GLog.h"
#include "gen/Listener.h"

int main() {
    gen::log::set_control_bits(0);
    gen::Listener<int> listener;
    int seen = 0;
    listener = [&](const int& v) { seen = v; };
    listener.fire_event(42, gen::FIRE_EVENT::DIRECT);
    gen::pp_info(gen::str::xprintF(0, "consumer got $", seen));
    return seen == 42 ? 0 : 1;
}
