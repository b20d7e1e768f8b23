#include "gen/qt/GPadding.h"

#include "gen/GFormat.h"
#include "gen/GLog.h"
#include "gen/qt/GGui.h"

#include <QComboBox>
#include <QPushButton>
#include <QRect>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QWidget>

namespace gen::qt {

namespace {

// Buttons and combo boxes draw their content inside the style's frame, which
// contentsRect() knows nothing about.
QRect content_rect(QWidget* w) {
    if (qobject_cast<QPushButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(w);
        return w->style()->subElementRect(QStyle::SE_PushButtonContents, &option, w);
    }
    if (qobject_cast<QComboBox*>(w)) {
        QStyleOptionComboBox option;
        option.initFrom(w);
        return w->style()->subElementRect(QStyle::SE_ComboBoxFocusRect, &option, w);
    }
    return w->contentsRect();
}

} // namespace

GPadding GPadding::from_QWidget(QWidget* w) {
    if (!w) return {};
    const QRect geometry = w->geometry();
    const int lastColumn = geometry.width() - 1;
    const int lastRow = geometry.height() - 1;
    const QRect c = content_rect(w);
    return GPadding{c.left(), lastColumn - c.right(), c.top(), lastRow - c.bottom()};
}

void GPadding::set_padding(QWidget* w) const {
    if (!w) nullPointerHandling("gen/qt/GGui", __LINE__, QStringLiteral("widget == NULL"));
    const std::string sheet = str::xprintF(
        0, "$ { padding-left: $px; padding-right: $px; padding-top: $px; padding-bottom: $px; };",
        get_qtype_name(w), left, right, top, bottom);
    w->setStyleSheet(QString::fromStdString(sheet));
}

std::string GPadding::to_string() const {
    return str::xprintF(0, "$,$,$,$", left, right, top, bottom);
}

} // namespace gen::qt
