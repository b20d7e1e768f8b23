#pragma once

#include <QLayout>
#include <QList>
#include <QRect>
#include <QSize>
#include <QStyle>

class QLayoutItem;
class QWidget;

namespace gen {

/// Places items left to right in their preferred sizes and wraps like words in
/// a paragraph, so its height depends on the width it gets.
///
/// Like every layout it owns its items, not their widgets, and lives on the GUI thread.
class GFlowLayout : public QLayout {
public:
    /// A negative margin or spacing leaves the value to the surroundings.
    /// `parent` gets this layout.
    explicit GFlowLayout(QWidget* parent, int margin = -1, int hSpacing = -1, int vSpacing = -1);
    /// The same for a layout to be installed or nested later.
    explicit GFlowLayout(int margin = -1, int hSpacing = -1, int vSpacing = -1);
    /// Deletes the remaining items; their widgets stay with their parent.
    ~GFlowLayout() override;

    /// Appends `item` and takes ownership of it.
    void addItem(QLayoutItem* item) override;
    /// Horizontal: the rows use whatever width they get.
    Qt::Orientations expandingDirections() const override;
    /// The largest minimum size of one item, plus the margins.
    QSize minimumSize() const override;
    /// Places the items in rows inside `rect`.
    void setGeometry(const QRect& rect) override;
    /// The item at `index`, null out of range.
    QLayoutItem* itemAt(int index) const override;
    /// Removes the item at `index` and hands it to the caller; null out of range.
    QLayoutItem* takeAt(int index) override;
    /// The number of items.
    int count() const override;
    /// True: the height follows from the width.
    bool hasHeightForWidth() const override;
    /// The height the rows need at `width`, margins included.
    int heightForWidth(int width) const override;
    /// The same as minimumSize(): a flow needs no more than its largest item.
    QSize sizeHint() const override;

    /// The spacing between items in a row: the constructor's, or smartSpacing()
    /// when that was negative. -1 leaves it to the items' style.
    int horizontalSpacing() const;
    /// The spacing between rows, found as horizontalSpacing() is.
    int verticalSpacing() const;
    /// The spacing the parent's style asks for: the parent widget's style
    /// metric, or the parent layout's spacing, or -1 without a parent.
    int smartSpacing(QStyle::PixelMetric pm) const;

private:
    // Places the items unless `testOnly`; returns the height they need.
    int doLayout(const QRect& rect, bool testOnly) const;
    QStyle* style_for(const QLayoutItem* item) const;

    QList<QLayoutItem*> itemList;
    int hSpace;
    int vSpace;
};

} // namespace gen
