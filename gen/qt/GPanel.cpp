#include "gen/qt/GPanel.h"

#include "gen/GFormat.h"
#include "gen/GLog.h"
#include "gen/qt/GCheckBox.h"
#include "gen/qt/GFlowLayout.h"
#include "gen/qt/GGui.h"
#include "gen/qt/Theme.h"
#include "gen/XTools_rand.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QLayoutItem>
#include <QSizePolicy>
#include <QStackedLayout>

namespace gen::qt {

namespace {

constexpr const char* kSource = "gen/qt/GPanel";

// -1 leaves margins and spacing to the style, as the box layouts do by default.
constexpr int kStyleDefault = -1;

} // namespace

GPanel::GPanel() = default;

GPanel::GPanel(GLAYOUT l) {
    set_layout(l);
}

GPanel::~GPanel() = default;

void GPanel::set_layout(GLAYOUT l) {
    // A second layout could not be installed by Qt anyway and would only leak;
    // the first one stays.
    if (QLayout* existing = layout()) {
        pp("aha - hat schon layout ?, $", existing->metaObject()->className());
        return;
    }
    QLayout* created = nullptr;
    switch (l) {
    case VERT:
        created = new QVBoxLayout;
        break;
    case HORZ:
        created = new QHBoxLayout;
        break;
    case FLOW:
        created = new GFlowLayout(kStyleDefault, kStyleDefault, kStyleDefault);
        break;
    case STACKED:
        created = new QStackedLayout;
        break;
    case GRID:
        created = new QGridLayout;
        break;
    case FORM:
        created = new QFormLayout;
        break;
    }
    if (!created) return;
    lay = created;
    setLayout(lay);
}

QWidget* GPanel::add_widget(QWidget* w) {
    if (!w) nullPointerHandling(kSource, __LINE__, QStringLiteral("widget == NULL"));
    if (!lay) nullPointerHandling(kSource, __LINE__, QStringLiteral("lay == NULL"));
    if (containsWidget(w)) {
        pp("XPanel::add_widget, w already in container");
        return w;
    }
    lay->addWidget(w);
    w->setParent(this);
    return w;
}

GPanel* GPanel::create_pan_vert() {
    return create<GPanel>(VERT);
}
GPanel* GPanel::create_pan_horz() {
    return create<GPanel>(HORZ);
}
GPanel* GPanel::create_pan_flow() {
    return create<GPanel>(FLOW);
}
GPanel* GPanel::create_pan_stacked() {
    return create<GPanel>(STACKED);
}

QLabel* GPanel::create_label(const QString& text, int minWidth) {
    QLabel* label = create<QLabel>(text);
    if (minWidth >= 1) label->setMinimumWidth(minWidth);
    return label;
}

GCheckBox* GPanel::create_checkBox(QString text, bool checked, QString toolTip) {
    GCheckBox* box = create<GCheckBox>(text);
    box->setChecked(checked);
    if (!toolTip.isEmpty()) box->setToolTip(toolTip);
    return box;
}

QLabel* GPanel::create_spacer() {
    QLabel* label = create<QLabel>();
    label->setSizePolicy(size_policy(QSizePolicy::Expanding, QSizePolicy::MinimumExpanding, 1, 1));
    return label;
}

QLabel* GPanel::create_spacer_vert() {
    QLabel* label = create<QLabel>();
    label->setSizePolicy(size_policy(QSizePolicy::Expanding, QSizePolicy::Minimum, 0, 1));
    return label;
}

QLabel* GPanel::create_spacer_horz() {
    QLabel* label = create<QLabel>();
    label->setSizePolicy(size_policy(QSizePolicy::Expanding, QSizePolicy::Fixed, 1, 0));
    return label;
}

QLabel* GPanel::create_horz_line(int height, const QString& color, const QString& name) {
    constexpr unsigned kNameLength = 8;
    QLabel* line = create<QLabel>();
    // The object name doubles as the style sheet selector, so it must not be empty.
    const QString objectName = name.isEmpty() ? rnd::next_QString(kNameLength, true) : name;
    line->setObjectName(objectName);
    line->setMaximumHeight(height);
    line->setStyleSheet(QString::fromStdString(
        str::xprintF(0, "#$ { border: $px solid $; background:$}", objectName, height, color, color)));
    line->setSizePolicy(size_policy(QSizePolicy::Expanding, QSizePolicy::Fixed, 1, 0));
    return line;
}

bool GPanel::containsWidget(QWidget* w) const {
    if (!w || !lay) return false;
    for (int i = 0; i < lay->count(); ++i) {
        const QLayoutItem* item = lay->itemAt(i);
        if (item && item->widget() == w) return true;
    }
    return false;
}

void GPanel::show_stacked_widget(QWidget* w) {
    if (!w) nullPointerHandling(kSource, __LINE__, QStringLiteral("widget == NULL"));
    if (auto* stacked = dynamic_cast<QStackedLayout*>(lay)) {
        stacked->setCurrentWidget(w);
        return;
    }
    pp("GPanel::show_stacked_widget, NO QStackedLayout");
}

GPanel* GPanel::set_margins(const QMargins& m) {
    if (lay) lay->setContentsMargins(m);
    return this;
}

GPanel* GPanel::set_margins(int m) {
    return set_margins(QMargins(m, m, m, m));
}

GPanel* GPanel::set_spacing(int s) {
    if (lay) lay->setSpacing(s);
    return this;
}

QMargins GPanel::get_margins() const {
    return lay ? lay->contentsMargins() : QMargins();
}

std::string GPanel::to_string() const {
    const QString name = objectName();
    if (name.isEmpty()) return "GPanel";
    return str::xprintF(0, "GPanel@$", name);
}

void GPanel::changeEvent(QEvent* e) {
    QFrame::changeEvent(e);
    if (e->type() == QEvent::PaletteChange && !listenerThemeChanged.is_empty())
        listenerThemeChanged.fire_event(theme::get(), FIRE_EVENT::DIRECT);
}

} // namespace gen::qt
