// Saves what an X window shows as a PNG, for the screenshot scripts and the
// end-to-end tests; ImageMagick is not needed.
//   grab-window [--palette] <window id, decimal or 0x hex> <file.png>
// --palette writes 256 colours instead of true colour: a fraction of the size.

#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {
// PNG quality 0 asks for the strongest compression: screenshots are committed.
constexpr int kPngQuality = 0;
// 192 exact colours and a cube of 4 x 4 x 4 fill the 256 entries of a palette.
constexpr qsizetype kExactColours = 192;
constexpr int kCubeLevels = 4;

// The most frequent colours, the flat areas and the text of a user interface, stay exact; a
// coarse colour cube stands in for the rest, such as a photograph. Nothing is dithered, so flat
// areas stay flat and compress well.
QImage with_palette(const QImage& image) {
    QHash<QRgb, qsizetype> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    QList<std::pair<qsizetype, QRgb>> byCount;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        byCount.append({it.value(), it.key()});
    std::sort(byCount.begin(), byCount.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    QList<QRgb> table;
    for (qsizetype i = 0; i < std::min(kExactColours, byCount.size()); ++i)
        table.append(byCount[i].second);
    constexpr int step = 255 / (kCubeLevels - 1);
    for (int r = 0; r < kCubeLevels; ++r)
        for (int g = 0; g < kCubeLevels; ++g)
            for (int b = 0; b < kCubeLevels; ++b)
                table.append(qRgb(r * step, g * step, b * step));
    return image.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither);
}
} // namespace

int main(int argc, char** argv) {
    // Another X client's window can only be read through the X server itself.
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    QStringList args = QGuiApplication::arguments();
    const bool palette = args.removeAll(QStringLiteral("--palette")) > 0;
    QTextStream err(stderr);
    bool ok = args.size() == 3;
    const WId window = ok ? args[1].toULongLong(&ok, 0) : 0;
    if (!ok) {
        err << "usage: grab-window [--palette] <window id> <file.png>\n";
        return 2;
    }
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(window);
    if (shot.isNull()) {
        err << "grab-window: nothing to grab in window " << args[1] << "\n";
        return 1;
    }
    QImage image = shot.toImage().convertToFormat(QImage::Format_RGB32);
    if (palette) image = with_palette(image);
    if (!image.save(args[2], "PNG", kPngQuality)) {
        err << "grab-window: cannot write " << args[2] << "\n";
        return 1;
    }
    return 0;
}
