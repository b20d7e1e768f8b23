#pragma once

// The "About" tab: the build's language standard, Qt version and word size,
// the operating systems with ours underlined, and a picture that runs a
// slideshow while clicked on.

#include "gen/qt/GPanel.h"
#include "gen/qt/GTimer.h"

#include <QString>
#include <QStringList>

namespace gen::qt {
class GImageView;
}

class PanelAbout : public gen::qt::GPanel {
public:
    PanelAbout();
    ~PanelAbout() override;

    // One step of the slideshow, as the timer takes it.
    void tick();
    bool is_running() const { return timer.isActive(); }

    // The title and operating-system lines, as rich text.
    static QString title_text();
    static QString os_text();

private:
    void on_press();

    QStringList pictures;
    gen::qt::GTimer timer;
    unsigned int index = 0;
    gen::qt::GImageView* picture = nullptr;
};
