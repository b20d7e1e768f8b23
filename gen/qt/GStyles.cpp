#include "gen/qt/GStyles.h"

#include "gen/GLog.h"

#include <QSlider>
#include <QString>

namespace gen::qt::styles {

void set_slider_handle(QSlider* slider) {
    if (!slider) nullPointerHandling("gen/qt/GStyles", __LINE__, QStringLiteral("slider == NULL"));
    slider->setStyleSheet(
        QStringLiteral("QSlider::handle:horizontal {"
                       "    background: #4A7B9B;"
                       "    width: 30px; /* Macht den Thumb breiter */"
                       "    height: 40px; /* Macht den Thumb höher */"
                       "    margin: -10px -10px; /* Vergrößert den berührungsempfindlichen Bereich um 10px */"
                       "    border-radius: 10px;}"
                       "QSlider::groove:horizontal {"
                       "    border: 1px solid #bbb;"
                       "    background: #eee;"
                       "    height: 10px;"
                       "    margin: 0px;}"));
}

} // namespace gen::qt::styles
