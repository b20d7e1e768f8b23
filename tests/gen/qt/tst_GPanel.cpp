#include "gen/qt/GCheckBox.h"
#include "gen/qt/GFlowLayout.h"
#include "gen/qt/GGui.h"
#include "gen/qt/GMainPanel.h"
#include "gen/qt/Theme.h"

#include "LogLines.h"

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QStackedLayout>
#include <QtTest>

#include <memory>

using namespace gen::qt;
using gen::log::DEBUG;

namespace {

constexpr int kNoLayout = -1;

// Layouts without a meta-object of their own would all be "QLayout".
QString kind_of(QLayout* l) {
    return dynamic_cast<gen::GFlowLayout*>(l) ? "flow" : get_qtype_name(l);
}

template <typename P = GPanel>
P* make_panel(int layout) {
    return layout == kNoLayout ? new P : new P(static_cast<GLAYOUT>(layout));
}

} // namespace

class TstGPanel : public QObject {
    Q_OBJECT

private slots:
    // A panel without a layout takes GRID later; one with a layout keeps it and ignores a second add.
    void layouts_data() {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("kind");
        const QStringList kinds{"nullptr",        "QVBoxLayout", "QHBoxLayout", "flow",
                                "QStackedLayout", "QGridLayout", "QFormLayout", "nullptr"};
        for (int l = kNoLayout; l <= int(FORM) + 1; ++l)
            QTest::addRow("%d: %s", l, qPrintable(kinds[l + 1])) << l << kinds[l + 1];
    }
    void layouts() {
        QFETCH(int, layout);
        QFETCH(QString, kind);
        for (const bool main : {false, true}) {
            std::unique_ptr<GPanel> panel(main ? make_panel<GMainPanel>(layout) : make_panel(layout));
            QCOMPARE(kind_of(panel->get_layout()), kind);
            QCOMPARE(panel->layout(), panel->get_layout());
            const bool has = kind != "nullptr";
            QCOMPARE(panel->set_margins(7)->set_spacing(3), panel.get());
            QCOMPARE(panel->get_margins(), has ? QMargins(7, 7, 7, 7) : QMargins());
            QLabel outsider;
            QVERIFY(!panel->containsWidget(&outsider));
            LogLines log;
            panel->set_layout(GRID);
            QCOMPARE(kind_of(panel->get_layout()), has ? kind : "QGridLayout");
            QCOMPARE(log.lines.size(), int(has));
            panel->create_label("x");
            QLabel* label = panel->create_label("y");
            QCOMPARE(panel->add_widget(label), label);
            QCOMPARE(panel->get_layout()->count(), 2);
            QCOMPARE(log.count(DEBUG, "XPanel::add_widget, w already in container"), 1);
        }
    }

    void createTakesLiterals() {
        GPanel panel(HORZ);
        QCOMPARE(panel.create<QLabel>("Grüße")->text(), QString::fromUtf8("Grüße"));
        QStringList kinds;
        for (GPanel* inner : {panel.create<GPanel>(GRID), panel.create_pan_vert(), panel.create_pan_horz(),
                              panel.create_pan_flow(), panel.create_pan_stacked()})
            kinds << kind_of(inner->get_layout());
        QCOMPARE(kinds, (QStringList{"QGridLayout", "QVBoxLayout", "QHBoxLayout", "flow", "QStackedLayout"}));
        QCOMPARE(panel.get_layout()->count(), 6);
    }

    void createLabelAndCheckBoxes() {
        GPanel panel(VERT);
        QLabel* label = panel.create_label("Speed", 1);
        GCheckBox* tipped = panel.create_checkBox("log", true, "shows the log");
        GCheckBox* plain = panel.create_checkBox("grid", false);
        QCOMPARE(label->text(), "Speed");
        QCOMPARE(label->minimumWidth(), 1);
        QCOMPARE(tipped->text(), "log");
        QVERIFY(tipped->isChecked() && !plain->isChecked());
        QCOMPARE(tipped->toolTip(), "shows the log");
        QCOMPARE(panel.get_layout()->count(), 3);
    }

    void horzLine_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("named") << "rule";
        QTest::newRow("unnamed") << "";
    }
    void horzLine() {
        QFETCH(QString, name);
        GPanel panel(VERT);
        QLabel* line = panel.create_horz_line(2, "blue", name);
        const QString selector = line->objectName();
        QVERIFY(name.isEmpty() ? selector != panel.create_horz_line(2, "blue")->objectName()
                               : selector == name);
        QCOMPARE(line->styleSheet(), "#" + selector + " { border: 2px solid blue; background:blue}");
        QCOMPARE(line->maximumHeight(), 2);
        QCOMPARE(line->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    }

    void toString_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("unnamed") << QString() << "GPanel";
        QTest::newRow("named") << "Röhre" << QString("GPanel@Röhre");
    }
    void toString() {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        GPanel panel;
        panel.setObjectName(name);
        QCOMPARE(QString::fromStdString(gen::str::xprintF(0, "<$>", panel)), "<" + expected + ">");
    }

    void showStacked_data() {
        QTest::addColumn<int>("layout");
        QTest::newRow("stacked") << int(STACKED);
        QTest::newRow("vertical") << int(VERT);
    }
    void showStacked() {
        QFETCH(int, layout);
        GPanel panel(static_cast<GLAYOUT>(layout));
        panel.create_label("first");
        QLabel* second = panel.create_label("second");
        LogLines log;
        panel.show_stacked_widget(second);
        auto* stacked = dynamic_cast<QStackedLayout*>(panel.get_layout());
        if (stacked) QCOMPARE(stacked->currentWidget(), second);
        QVERIFY(log.only(DEBUG, stacked ? "" : "GPanel::show_stacked_widget, NO QStackedLayout"));
    }

    void themeListenerOnPaletteChange() {
        GPanel panel(VERT);
        QList<unsigned> seen;
        panel.listenerThemeChanged = [&](unsigned th) { seen << th; };
        theme::set(theme::THEME_DARK);
        QPalette changed = panel.palette();
        changed.setColor(QPalette::Window, Qt::darkRed);
        panel.setPalette(changed);
        theme::set(theme::THEME_NORMAL);
        QCOMPARE(seen, QList<unsigned>{theme::THEME_DARK});
    }

    // The handler waits five seconds before it ends the process, so a copy of this program makes the call.
    void noLayoutEndsTheProcess() {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--no-layout"});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitCode(), 1);
        QVERIFY(child.readAllStandardOutput().startsWith("nullptr:lay == NULL\ngen/qt/GPanel\n"));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "--no-layout") GPanel().add_widget(new QLabel);
    TstGPanel test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_GPanel.moc"
