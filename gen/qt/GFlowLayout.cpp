#include "gen/qt/GFlowLayout.h"

#include <QApplication>
#include <QLayoutItem>
#include <QMargins>
#include <QSizePolicy>
#include <QWidget>

#include <algorithm>

namespace gen {

namespace {

// The value meaning "no spacing of our own, ask the style".
constexpr int kAskStyle = -1;

} // namespace

GFlowLayout::GFlowLayout(QWidget* parent, int margin, int hSpacing, int vSpacing)
    : QLayout(parent), hSpace(hSpacing), vSpace(vSpacing) {
    setContentsMargins(margin, margin, margin, margin);
}

GFlowLayout::GFlowLayout(int margin, int hSpacing, int vSpacing) : hSpace(hSpacing), vSpace(vSpacing) {
    setContentsMargins(margin, margin, margin, margin);
}

GFlowLayout::~GFlowLayout() {
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void GFlowLayout::addItem(QLayoutItem* item) {
    itemList.append(item);
}

Qt::Orientations GFlowLayout::expandingDirections() const {
    return Qt::Horizontal;
}

QSize GFlowLayout::minimumSize() const {
    QSize size;
    for (const QLayoutItem* item : itemList)
        size = size.expandedTo(item->minimumSize());
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

void GFlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    doLayout(rect, false);
}

QLayoutItem* GFlowLayout::itemAt(int index) const {
    return index >= 0 && index < itemList.size() ? itemList.at(index) : nullptr;
}

QLayoutItem* GFlowLayout::takeAt(int index) {
    return index >= 0 && index < itemList.size() ? itemList.takeAt(index) : nullptr;
}

int GFlowLayout::count() const {
    return static_cast<int>(itemList.size());
}

bool GFlowLayout::hasHeightForWidth() const {
    return true;
}

int GFlowLayout::heightForWidth(int width) const {
    return doLayout(QRect(0, 0, width, 0), true);
}

QSize GFlowLayout::sizeHint() const {
    return minimumSize();
}

int GFlowLayout::horizontalSpacing() const {
    return hSpace >= 0 ? hSpace : smartSpacing(QStyle::PM_LayoutHorizontalSpacing);
}

int GFlowLayout::verticalSpacing() const {
    return vSpace >= 0 ? vSpace : smartSpacing(QStyle::PM_LayoutVerticalSpacing);
}

int GFlowLayout::smartSpacing(QStyle::PixelMetric pm) const {
    QObject* owner = parent();
    if (!owner) return kAskStyle;
    if (owner->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(owner);
        return widget->style()->pixelMetric(pm, nullptr, widget);
    }
    if (const auto* layout = qobject_cast<QLayout*>(owner)) return layout->spacing();
    return kAskStyle;
}

// Spacers and nested layouts have no widget to ask, so the widget the layout
// works for speaks for them, or the application when there is none.
QStyle* GFlowLayout::style_for(const QLayoutItem* item) const {
    if (const QWidget* widget = item->widget()) return widget->style();
    if (const QWidget* owner = parentWidget()) return owner->style();
    return QApplication::style();
}

int GFlowLayout::doLayout(const QRect& rect, bool testOnly) const {
    const QMargins m = contentsMargins();
    const QRect area = rect.adjusted(m.left(), m.top(), -m.right(), -m.bottom());
    int x = area.x();
    int y = area.y();
    int lineHeight = 0;

    for (QLayoutItem* item : itemList) {
        int spaceX = horizontalSpacing();
        int spaceY = verticalSpacing();
        if (spaceX == kAskStyle || spaceY == kAskStyle) {
            const QStyle* style = style_for(item);
            if (spaceX == kAskStyle)
                spaceX = style ? style->layoutSpacing(QSizePolicy::PushButton, QSizePolicy::PushButton,
                                                      Qt::Horizontal)
                               : 0;
            if (spaceY == kAskStyle)
                spaceY = style ? style->layoutSpacing(QSizePolicy::PushButton, QSizePolicy::PushButton,
                                                      Qt::Vertical)
                               : 0;
        }
        const QSize hint = item->sizeHint();
        int nextX = x + hint.width() + spaceX;
        // The end of the item (one past its last column) against the last usable
        // column: an item that would end exactly at the edge still wraps.
        if (x + hint.width() > area.right() && lineHeight > 0) {
            x = area.x();
            y = y + lineHeight + spaceY;
            nextX = x + hint.width() + spaceX;
            lineHeight = 0;
        }
        if (!testOnly) item->setGeometry(QRect(QPoint(x, y), hint));
        x = nextX;
        lineHeight = std::max(lineHeight, hint.height());
    }
    return y + lineHeight - rect.y() + m.bottom();
}

} // namespace gen
