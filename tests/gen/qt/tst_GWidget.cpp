#include "gen/qt/GImageView.h"

#include "LogLines.h"

#include <QMouseEvent>
#include <QtTest>

#include <memory>

using gen::qt::GImageView;
using gen::qt::GWidget;

namespace {

// Counts the mouse events that travel on from a child.
class Catcher : public QWidget {
public:
    int received = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++received; }
    void mouseReleaseEvent(QMouseEvent*) override { ++received; }
    void mouseMoveEvent(QMouseEvent*) override { ++received; }
};

struct Seen {
    QString kind;
    QPoint pos;
    Qt::MouseButtons buttons;
};

} // namespace

class TstGWidget : public QObject {
    Q_OBJECT

private slots:
    void mouseEventsBecomeListenerEvents_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("listening");
        QTest::addColumn<Qt::MouseButtons>("buttons");
        for (const bool listening : {true, false}) {
            const char* suffix = listening ? "" : ", nobody listens";
            QTest::addRow("press%s", suffix) << "press" << listening << Qt::MouseButtons(Qt::LeftButton);
            QTest::addRow("release%s", suffix) << "release" << listening << Qt::MouseButtons();
            QTest::addRow("move without button%s", suffix) << "move" << listening << Qt::MouseButtons();
        }
    }
    void mouseEventsBecomeListenerEvents() {
        QFETCH(QString, action);
        QFETCH(bool, listening);
        QFETCH(Qt::MouseButtons, buttons);
        Catcher parent;
        parent.setMouseTracking(true);
        parent.resize(200, 200);
        auto* widget = new GWidget(&parent);
        widget->setGeometry(50, 50, 100, 100);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        const QPoint start(10, 10);
        const QPoint target(30, 40);
        QTest::mouseMove(widget, start);
        if (action == "release") QTest::mousePress(widget, Qt::LeftButton, {}, target);

        QList<Seen> seen;
        auto record = [&](const QString& kind) {
            return [&seen, kind](QMouseEvent* const& e) {
                seen << Seen{kind, e->position().toPoint(), e->buttons()};
            };
        };
        if (listening) {
            widget->listenerMousePress = record("press");
            widget->listenerMouseRelease = record("release");
            widget->listenerMouseMove = record("move");
        }
        parent.received = 0;
        if (action == "press") QTest::mousePress(widget, Qt::LeftButton, {}, target);
        if (action == "release") QTest::mouseRelease(widget, Qt::LeftButton, {}, target);
        if (action == "move") QTest::mouseMove(widget, target);

        QCOMPARE(parent.received, 0);
        if (!listening) return;
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].kind, action);
        QCOMPARE(seen[0].pos, target);
        QCOMPARE(seen[0].buttons, buttons);
    }

    void paletteChangeCallsTheThemeHook_data() {
        QTest::addColumn<bool>("imageView");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("unnamed") << false << ""
                                 << "GWidget::on_change_theme() - overwrite me";
        QTest::newRow("named") << false << "plot"
                               << "GWidget@plot::on_change_theme() - overwrite me";
        QTest::newRow("image view stays silent") << true << "pictures"
                                                 << "";
    }
    void paletteChangeCallsTheThemeHook() {
        QFETCH(bool, imageView);
        QFETCH(QString, name);
        QFETCH(QString, message);
        std::unique_ptr<GWidget> widget(imageView ? new GImageView : new GWidget);
        widget->setObjectName(name);
        LogLines log;
        QPalette palette = widget->palette();
        for (const QColor& colour : {QColor(Qt::darkGreen), QColor(Qt::darkCyan)}) {
            palette.setColor(QPalette::Window, colour);
            widget->setPalette(palette);
        }
        QCOMPARE(log.lines.size(), imageView ? 0 : 2);
        if (!imageView) QCOMPARE(log.count(gen::log::DEBUG, " " + message), 2);
    }
};

QTEST_MAIN(TstGWidget)
#include "tst_GWidget.moc"
