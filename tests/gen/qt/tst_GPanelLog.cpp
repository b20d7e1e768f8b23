#include "gen/GLog.h"
#include "gen/qt/GLogView.h"
#include "gen/qt/GPanelLog.h"

#include <QtTest>

#include <QClipboard>
#include <QPlainTextEdit>

#include <memory>

using namespace gen::qt;

namespace {

QStringList shown(const QPlainTextEdit* view) {
    return view->toPlainText().split('\n', Qt::SkipEmptyParts);
}

} // namespace

class TstGPanelLog : public QObject {
    Q_OBJECT

private slots:
    void init() {
        gen::log::set_log_level(gen::log::DEBUG);
        gen::log::set_control_bits(gen::log::LOG_NUMBER);
    }

    void destroyedPanelReceivesNothing() {
        auto first = std::make_unique<GPanelLog>();
        gen::pp("queued for the first panel");
        first.reset(); // its queued call is dropped with the view
        QCoreApplication::processEvents();
        gen::pp("nobody listens"); // under ASan, a dangling appender fails here
        QCoreApplication::processEvents();
        GPanelLog second;
        gen::pp("second");
        QTRY_COMPARE(shown(second.get_view()).size(), 1);
        QVERIFY(shown(second.get_view()).first().endsWith("second"));
    }

    void olderPanelKeepsNewerAppender() {
        auto older = std::make_unique<GPanelLog>();
        GPanelLog newer;
        older.reset();
        gen::pp("still shown");
        QTRY_COMPARE(shown(newer.get_view()).size(), 1);
    }

    void fontSize_data() {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("expected");
        QTest::newRow("larger") << 12 << 12;
        QTest::newRow("zero refused") << 0 << 9;
    }
    void fontSize() {
        QFETCH(int, points);
        QFETCH(int, expected);
        GPanelLog panel;
        panel.set_font_size(points);
        QCOMPARE(panel.get_font_size(), expected);
        QCOMPARE(panel.get_view()->font().pointSize(), expected);
    }

    void clearAndCopy() {
        GPanelLog panel;
        gen::pp_info("one");
        gen::pp_error("two");
        QTRY_COMPARE(shown(panel.get_view()).size(), 2);
        panel.copy_to_clipboard();
        QCOMPARE(QGuiApplication::clipboard()->text(), panel.get_view()->toPlainText());
        panel.clear();
        QVERIFY(panel.get_view()->toPlainText().isEmpty());
        gen::pp("three");
        QTRY_VERIFY(!panel.get_view()->toPlainText().isEmpty());
        QCOMPARE(panel.get_view()->document()->blockCount(), 1);
    }

    void simpleComponent() {
        GPanel parent(VERT);
        QPlainTextEdit* edit = create_log_component(&parent);
        gen::pp("plain");
        QTRY_COMPARE(shown(edit).size(), 1);
        delete edit;
        gen::pp("after the component"); // must not reach the deleted edit
        QCoreApplication::processEvents();
    }
};

QTEST_MAIN(TstGPanelLog)
#include "tst_GPanelLog.moc"
