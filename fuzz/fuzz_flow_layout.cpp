// The flow layout's geometry for any item sizes, margins, spacings and width,
// checked against the wrapping rule rather than only run.
//
// Input: five header bytes (bit 0 of the first: a parent widget; margin,
// horizontal and vertical spacing, with 255 meaning "ask the style"; the
// width in 4-pixel steps), then two bytes per item: width and height in
// 8-pixel steps, so that items can be wider than any width.
#include "gen/qt/GFlowLayout.h"

#include <QApplication>
#include <QSpacerItem>
#include <QWidget>

#include <cstdlib>
#include <memory>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    constexpr std::size_t kHeader = 5;
    if (size < kHeader) return 0;
    auto value = [](unsigned char b) { return b == 255 ? -1 : int(b); };
    QWidget host;
    auto* flow = data[0] & 1 ? new gen::GFlowLayout(&host, value(data[1]), value(data[2]), value(data[3]))
                             : new gen::GFlowLayout(value(data[1]), value(data[2]), value(data[3]));
    std::unique_ptr<gen::GFlowLayout> owned(data[0] & 1 ? nullptr : flow);
    std::vector<QSize> hints;
    for (std::size_t i = kHeader; i + 1 < size; i += 2) {
        hints.emplace_back(data[i] * 8, data[i + 1] * 8);
        flow->addItem(new QSpacerItem(hints.back().width(), hints.back().height()));
    }
    const int width = data[4] * 4;
    const int height = flow->heightForWidth(width);
    flow->setGeometry(QRect(0, 0, width, height));

    // Every item gets exactly its hint and follows its left neighbour, unless
    // it would end past the last usable column while something taller than
    // zero stands on its line: then it starts the next line at the left edge,
    // below the tallest item of the line before.
    QStyle* style = QApplication::style();
    int sx = flow->horizontalSpacing(), sy = flow->verticalSpacing();
    if (sx == -1) sx = style->layoutSpacing(QSizePolicy::PushButton, QSizePolicy::PushButton, Qt::Horizontal);
    if (sy == -1) sy = style->layoutSpacing(QSizePolicy::PushButton, QSizePolicy::PushButton, Qt::Vertical);
    const QMargins m = flow->contentsMargins();
    const QRect area = QRect(0, 0, width, height).marginsRemoved(m);
    int lineTop = area.y(), lineHeight = 0;
    QSize least(-1, -1);
    std::vector<QRect> placed;
    for (int i = 0; i < flow->count(); ++i) {
        const QRect r = flow->itemAt(i)->geometry();
        QPoint want = area.topLeft();
        if (i > 0) {
            want = QPoint(placed.back().x() + placed.back().width() + sx, lineTop);
            if (want.x() + r.width() > area.right() && lineHeight > 0) {
                want = QPoint(area.x(), lineTop + lineHeight + sy);
                lineTop = want.y();
                lineHeight = 0;
            }
        }
        if (r.size() != hints[std::size_t(i)] || r.topLeft() != want) std::abort();
        lineHeight = std::max(lineHeight, r.height());
        least = least.expandedTo(r.size());
        placed.push_back(r);
    }
    if (height != lineTop + lineHeight + m.bottom() || flow->heightForWidth(width) != height) std::abort();
    (void)flow->heightForWidth(width / 2 + 1);
    for (int i = 0; i < flow->count(); ++i)
        if (flow->itemAt(i)->geometry() != placed[std::size_t(i)]) std::abort();
    if (flow->minimumSize() != least + QSize(m.left() + m.right(), m.top() + m.bottom()) ||
        flow->sizeHint() != flow->minimumSize() || flow->itemAt(-1) || flow->takeAt(flow->count()))
        std::abort();
    return 0;
}
