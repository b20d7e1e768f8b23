#include "gen/qt/GCheckBox.h"
#include "gen/qt/GFlowLayout.h"
#include "gen/qt/GGui.h"
#include "gen/qt/GPanel.h"

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

// Layouts without a meta-object of their own would all be "QLayout".
QString kind_of(QLayout* l) {
    return dynamic_cast<gen::GFlowLayout*>(l) ? "flow" : get_qtype_name(l);
}

} // namespace

class TstGPanel : public QObject {
    Q_OBJECT

private slots:
    // -1 builds the panel without a layout and 6 names none: such a panel takes GRID later, the others
    // keep theirs and say so.
    void layouts_data() {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("kind");
        const QStringList kinds{"nullptr",        "QVBoxLayout", "QHBoxLayout", "flow",
                                "QStackedLayout", "QGridLayout", "QFormLayout", "nullptr"};
        for (int l = -1; l <= int(FORM) + 1; ++l)
            QTest::addRow("%d: %s", l, qPrintable(kinds[l + 1])) << l << kinds[l + 1];
    }
    void layouts() {
        QFETCH(int, layout);
        QFETCH(QString, kind);
        std::unique_ptr<GPanel> panel(layout < 0 ? new GPanel : new GPanel(GLAYOUT(layout)));
        QCOMPARE(kind_of(panel->get_layout()), kind);
        QCOMPARE(panel->layout(), panel->get_layout());
        const bool has = kind != "nullptr";
        QCOMPARE(panel->set_margins(7)->set_spacing(3), panel.get());
        QCOMPARE(panel->get_margins(), has ? QMargins(7, 7, 7, 7) : QMargins());
        LogLines log;
        panel->set_layout(GRID);
        QCOMPARE(kind_of(panel->get_layout()), has ? kind : "QGridLayout");
        QCOMPARE(log.lines.size(), int(has));
        panel->create_label("first");
        QLabel* label = panel->create_label("second");
        log.lines.clear();
        QCOMPARE(panel->add_widget(label), label);
        QCOMPARE(panel->get_layout()->count(), 2);
        QVERIFY(log.only(DEBUG, "XPanel::add_widget, w already in container"));
        log.lines.clear();
        panel->show_stacked_widget(label);
        auto* stacked = dynamic_cast<QStackedLayout*>(panel->get_layout());
        QCOMPARE(stacked ? stacked->currentWidget() : label, label);
        QVERIFY(log.only(DEBUG, stacked ? "" : "GPanel::show_stacked_widget, NO QStackedLayout"));
    }

    void factory() {
        GPanel panel(HORZ);
        panel.setObjectName("Röhre");
        QCOMPARE(QString::fromStdString(panel.to_string()), "GPanel@Röhre");
        QCOMPARE(panel.create<QLabel>("Grüße")->text(), QString::fromUtf8("Grüße"));
        QStringList kinds;
        for (GPanel* inner : {panel.create<GPanel>(GRID), panel.create_pan_vert(), panel.create_pan_horz(),
                              panel.create_pan_flow(), panel.create_pan_stacked()})
            kinds << kind_of(inner->get_layout());
        QCOMPARE(kinds, (QStringList{"QGridLayout", "QVBoxLayout", "QHBoxLayout", "flow", "QStackedLayout"}));
        QCOMPARE(panel.create_label("Speed", 1)->minimumWidth(), 1);
        GCheckBox* tipped = panel.create_checkBox("log", true, "shows the log");
        GCheckBox* plain = panel.create_checkBox("grid", false);
        QVERIFY(tipped->isChecked() && !plain->isChecked());
        QCOMPARE(tipped->toolTip(), "shows the log");
        QCOMPARE(panel.get_layout()->count(), 9);
    }

    // The handler waits five seconds before it ends the process, so a copy of this program makes the call.
    void nullArgumentEndsTheProcess_data() {
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("--no-layout") << QByteArray("nullptr:lay == NULL\ngen/qt/GPanel\n");
        QTest::newRow("--null-widget") << QByteArray("nullptr:widget == NULL\ngen/qt/GPanel\n");
    }
    void nullArgumentEndsTheProcess() {
        QFETCH(QByteArray, message);
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QTest::currentDataTag()});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitCode(), 1);
        QVERIFY(child.readAllStandardOutput().startsWith(message));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QByteArray call = argc > 1 ? argv[1] : "";
    if (call == "--no-layout") GPanel().add_widget(new QLabel);
    if (call == "--null-widget") GPanel(STACKED).show_stacked_widget(nullptr);
    TstGPanel test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_GPanel.moc"
