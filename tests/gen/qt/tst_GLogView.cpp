#include "gen/GLog.h"
#include "gen/qt/GLogView.h"

#include <QtTest>

#include <QTextBlock>

using gen::qt::GLogView;
using namespace gen::log;

namespace {

QColor block_background(const GLogView& view, int block) {
    return view.document()->findBlockByNumber(block).blockFormat().background().color();
}

} // namespace

class TstGLogView : public QObject {
    Q_OBJECT

private slots:
    void colours_data() {
        QTest::addColumn<unsigned>("theme");
        QTest::addColumn<int>("level");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("background");
        const QColor red(Qt::red), yellow(Qt::yellow), green(Qt::green), grey(Qt::lightGray);
        const QColor black(Qt::black), white(Qt::white);
        QTest::newRow("normal error") << 0u << int(ERROR) << black << red.lighter(150);
        QTest::newRow("normal warn") << 0u << int(WARN) << black << yellow.lighter(180);
        QTest::newRow("normal info") << 0u << int(INFO) << black << green.lighter(180);
        QTest::newRow("normal debug") << 0u << int(DEBUG) << black << grey.lighter(120);
        QTest::newRow("dark error") << 1u << int(ERROR) << white << red.darker(200);
        QTest::newRow("dark warn") << 1u << int(WARN) << black << yellow.darker(200);
        QTest::newRow("dark info") << 1u << int(INFO) << grey << green.darker(200);
        QTest::newRow("dark debug") << 1u << int(DEBUG) << grey << black;
        QTest::newRow("green error") << 2u << int(ERROR) << black << red.lighter(150);
        QTest::newRow("green debug") << 2u << int(DEBUG) << white << QColor("#192819");
        QTest::newRow("unknown theme") << 7u << int(INFO) << white << black;
    }
    // Read back from the document: what the user sees, not the tables.
    void colours() {
        QFETCH(unsigned, theme);
        QFETCH(int, level);
        QFETCH(QColor, text);
        QFETCH(QColor, background);
        GLogView view;
        view.adapt_to_settings(theme);
        view.append_line("first", DEBUG);
        view.append_line("line", level);
        const QTextBlock block = view.document()->findBlockByNumber(1);
        QCOMPARE(block.text(), "line");
        QCOMPARE(block.begin().fragment().charFormat().foreground().color(), text);
        QCOMPARE(block_background(view, 1), background);
    }

    void firstLineFillsEmptyBlock() {
        GLogView view;
        view.append_line("", INFO); // an empty line is still a line
        view.append_line("a", ERROR);
        QCOMPARE(view.toPlainText(), "\na");
        view.clear();
        view.append_lines({{"b", WARN}, {"c", INFO}});
        QCOMPARE(view.toPlainText(), "b\nc");
        QCOMPARE(block_background(view, 0), QColor(Qt::yellow).lighter(180));
    }

    void background_data() {
        QTest::addColumn<unsigned>("theme");
        QTest::addColumn<QColor>("base");
        QTest::newRow("dark") << 1u << QColor(Qt::black);
        QTest::newRow("green") << 2u << QColor("#192819");
        QTest::newRow("beyond the last") << 3u << QColor(Qt::lightGray).lighter(120);
    }
    void background() {
        QFETCH(unsigned, theme);
        QFETCH(QColor, base);
        GLogView view;
        view.adapt_to_settings(theme);
        QCOMPARE(view.palette().color(QPalette::Base), base);
    }
};

QTEST_MAIN(TstGLogView)
#include "tst_GLogView.moc"
