#pragma once

#include <QLayout>
#include <QList>
#include <QRect>
#include <QSize>
#include <QStyle>

class QLayoutItem;
class QWidget;

namespace gen {

// Places items left to right in their preferred sizes and wraps like words in
// a paragraph, so its height depends on the width it gets.
class GFlowLayout : public QLayout {
public:
    // A negative margin or spacing leaves the value to the surroundings.
    explicit GFlowLayout(QWidget* parent, int margin = -1, int hSpacing = -1, int vSpacing = -1);
    explicit GFlowLayout(int margin = -1, int hSpacing = -1, int vSpacing = -1);
    ~GFlowLayout() override;

    void addItem(QLayoutItem* item) override;
    Qt::Orientations expandingDirections() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

    int horizontalSpacing() const;
    int verticalSpacing() const;
    // The spacing the parent's style asks for: the parent widget's style
    // metric, or the parent layout's spacing, or -1 without a parent.
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
