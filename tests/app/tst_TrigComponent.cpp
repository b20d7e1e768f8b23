#include "TrigComponent.h"

#include "gen/qt/Theme.h"

#include "LogLines.h"

#include <QtTest>

#include <limits>

namespace {

QImage frame(TrigComponent& plot, QSize size) {
    plot.resize(size);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    plot.render(&image);
    return image;
}

QList<int> rows_in(const QImage& image, int column, const QColor& color) {
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y)
        if (image.pixelColor(column, y) == color) rows << y;
    return rows;
}

} // namespace

class TstTrigComponent : public QObject {
    Q_OBJECT

private slots:
    // 200 columns over 2 pi, so column 50 samples a quarter turn, where sine and cosecant are 1 and the
    // point lies 50.5 pixels below the centre line, clear of rounding; at column 0 the cosecant is infinite.
    void curves_data() {
        QTest::addColumn<uint>("function");
        QTest::addColumn<float>("rad");
        QTest::addColumn<float>("phase");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");     // of the one point in `column`
        QTest::addColumn<bool>("atZero"); // whether column 0 shows a point
        QTest::newRow("direct") << uint(TrigComponent::FUNC_SIN) << 6.2831855f << 0.0f << 50 << 150 << true;
        QTest::newRow("reciprocal") << uint(TrigComponent::FUNC_CSC) << 6.2831855f << 0.0f << 50 << 150
                                    << false;
        // Steps of 5e-7 no longer move x near 100, yet the walk ends; sin(100) is -0.506.
        QTest::newRow("tiny step") << uint(TrigComponent::FUNC_SIN) << 1e-4f << 100.0f << 199 << 74 << true;
    }
    void curves() {
        QFETCH(uint, function);
        QFETCH(float, rad);
        QFETCH(float, phase);
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(bool, atZero);
        TrigComponent plot;
        plot.functions = function;
        plot.rad = rad;
        plot.phase = phase;
        plot.amp = 50.5f;
        const QImage image = frame(plot, {200, 201});
        QCOMPARE(rows_in(image, column, plot.color_sin), QList<int>{row});
        QCOMPARE(rows_in(image, 0, plot.color_sin).size(), int(atZero));
    }

    void background_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<uint>("functions");
        QTest::addColumn<float>("rad");
        QTest::addColumn<float>("amp");
        QTest::addColumn<QList<int>>("grid");
        const QList<int> grid{0, 100, 200};
        QTest::newRow("rad zero") << 250 << 126u << 0.0f << 100.0f << grid;
        QTest::newRow("amp not a number")
            << 250 << 126u << 6.2831855f << std::numeric_limits<float>::quiet_NaN() << grid;
        QTest::newRow("one pixel wide") << 1 << 0u << 6.2831855f << 100.0f << QList<int>{};
    }
    void background() {
        QFETCH(int, width);
        QFETCH(uint, functions);
        QFETCH(float, rad);
        QFETCH(float, amp);
        QFETCH(QList<int>, grid);
        TrigComponent plot;
        plot.functions = functions;
        plot.rad = rad;
        plot.amp = amp;
        const QImage image = frame(plot, {width, 11});
        for (int x = 0; x < width; ++x)
            for (int y = 0; y < 11; ++y)
                QCOMPARE(image.pixelColor(x, y),
                         y == 5 || grid.contains(x) ? plot.color_axis : plot.color_background);
    }

    void theme() {
        TrigComponent plot;
        gen::qt::theme::set(gen::qt::theme::THEME_GREEN);
        LogLines log;
        QPalette palette = plot.palette();
        palette.setColor(QPalette::Window, Qt::darkGreen);
        plot.setPalette(palette);
        QVERIFY(log.only(gen::log::DEBUG, "TrigComponent::on_change_theme"));
        const QList<QColor> colours{plot.color_background, plot.color_sin, plot.color_cos, plot.color_axis,
                                    plot.color_tan};
        QCOMPARE(colours,
                 (QList<QColor>{QColor(30, 50, 30), Qt::white, Qt::yellow, QColor(35, 58, 35), Qt::red}));
    }

    // Switched on, 126 steps of 0.05 take the phase past 2 pi; the next one wraps it round.
    void ticks_data() {
        QTest::addColumn<bool>("animate");
        QTest::newRow("off") << false;
        QTest::newRow("on") << true;
    }
    void ticks() {
        QFETCH(bool, animate);
        TrigComponent plot;
        plot.rad = 6.2831855f;
        plot.set_animate(animate);
        LogLines log;
        for (int t = 0; animate && t < 126; ++t) {
            const float before = plot.phase;
            plot.animation();
            QVERIFY(plot.phase > before);
        }
        QVERIFY(log.lines.isEmpty());
        plot.animation();
        QVERIFY(log.only(gen::log::INFO, animate ? "6.283185 RAD DONE" : ""));
        QCOMPARE(plot.phase, 0.0f);
    }
};

QTEST_MAIN(TstTrigComponent)
#include "tst_TrigComponent.moc"
