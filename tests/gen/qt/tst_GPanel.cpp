#include "gen/qt/GCheckBox.h"
#include "gen/qt/GFlowLayout.h"
#include "gen/qt/GMainPanel.h"
#include "gen/qt/Theme.h"

#include "LogLines.h"

#include <QApplication>
#include <QBoxLayout>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QStackedLayout>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace gen::qt;
using gen::log::DEBUG;

namespace {

// Set in a child's environment: the child runs the named misuse, which must end it.
constexpr const char* kFatalVariable = "TST_GPANEL_FATAL";
constexpr int kNoLayout = -1;

QString kind_of(QLayout* l) {
    if (!l) return "none";
    if (dynamic_cast<QVBoxLayout*>(l)) return "vert";
    if (dynamic_cast<QHBoxLayout*>(l)) return "horz";
    if (dynamic_cast<gen::GFlowLayout*>(l)) return "flow";
    if (dynamic_cast<QStackedLayout*>(l)) return "stacked";
    if (dynamic_cast<QGridLayout*>(l)) return "grid";
    return dynamic_cast<QFormLayout*>(l) ? "form" : "other";
}

template <typename P = GPanel>
P* make_panel(int layout) {
    return layout == kNoLayout ? new P : new P(static_cast<GLAYOUT>(layout));
}

} // namespace

class TstGPanel : public QObject {
    Q_OBJECT

private slots:
    void layouts_data() {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("kind");
        const QList<int> values{kNoLayout, VERT, HORZ, FLOW, STACKED, GRID, FORM, 6, 0x7fffffff};
        const QStringList kinds{"none", "vert", "horz", "flow", "stacked", "grid", "form", "none", "none"};
        for (int i = 0; i < values.size(); ++i)
            QTest::newRow(qPrintable(QString::number(values[i]))) << values[i] << kinds[i];
    }
    void layouts() {
        QFETCH(int, layout);
        QFETCH(QString, kind);
        for (const bool main : {false, true}) {
            std::unique_ptr<GPanel> panel(main ? make_panel<GMainPanel>(layout) : make_panel(layout));
            QCOMPARE(kind_of(panel->get_layout()), kind);
            QCOMPARE(panel->layout(), panel->get_layout());
            QLabel outsider;
            QVERIFY(!panel->containsWidget(&outsider));
            const bool has = kind != "none";
            QCOMPARE(panel->set_margins(7)->set_spacing(3), panel.get());
            QCOMPARE(panel->get_margins(), has ? QMargins(7, 7, 7, 7) : QMargins());
            if (has) QCOMPARE(panel->get_layout()->spacing(), 3);
            QCOMPARE(panel->set_margins({1, 2, 3, 4})->get_margins(),
                     has ? QMargins(1, 2, 3, 4) : QMargins());
        }
    }

    void secondLayoutIsRefused() {
        GPanel panel(VERT), late;
        QLayout* first = panel.get_layout();
        LogLines log;
        panel.set_layout(GRID);
        late.set_layout(GRID);
        QCOMPARE(log.count(DEBUG, "aha - hat schon layout ?, QVBoxLayout"), 1);
        QCOMPARE(panel.layout(), first);
        QCOMPARE(kind_of(late.get_layout()), QString("grid"));
    }

    void createTakesLiteralsAndAddsTheWidget() {
        GPanel panel(HORZ);
        QCOMPARE(panel.create<QLabel>("Grüße")->text(), QString::fromUtf8("Grüße"));
        char buffer[] = "buffer";
        const char* none = nullptr;
        QCOMPARE(panel.create<QLabel>(buffer)->text(), QString("buffer"));
        QCOMPARE(panel.create<QLabel>(none)->text(), QString());
        const QList<GPanel*> inner{panel.create<GPanel>(GRID), panel.create_pan_vert(),
                                   panel.create_pan_horz(), panel.create_pan_flow(),
                                   panel.create_pan_stacked()};
        const QStringList kinds{"grid", "vert", "horz", "flow", "stacked"};
        for (int i = 0; i < inner.size(); ++i) {
            QCOMPARE(kind_of(inner[i]->get_layout()), kinds[i]);
            QCOMPARE(inner[i]->parentWidget(), &panel);
        }
        QCOMPARE(panel.get_layout()->count(), 8);
    }

    void createLabel_data() {
        QTest::addColumn<int>("minWidth");
        QTest::addColumn<int>("expected");
        QTest::newRow("zero") << 0 << 0;
        QTest::newRow("negative") << -5 << 0;
        QTest::newRow("sixty") << 60 << 60;
    }
    void createLabel() {
        QFETCH(int, minWidth);
        QFETCH(int, expected);
        GPanel panel(VERT);
        QLabel* label = panel.create_label("Speed", minWidth);
        QCOMPARE(label->text(), QString("Speed"));
        QCOMPARE(label->minimumWidth(), expected);
        QVERIFY(panel.containsWidget(label));
    }

    void createCheckBox_data() {
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("checked, tip") << true << "shows the log";
        QTest::newRow("unchecked, no tip") << false << "";
    }
    void createCheckBox() {
        QFETCH(bool, checked);
        QFETCH(QString, toolTip);
        GPanel panel(HORZ);
        GCheckBox* box = panel.create_checkBox("log", checked, toolTip);
        QCOMPARE(box->text(), QString("log"));
        QCOMPARE(box->isChecked(), checked);
        QCOMPARE(box->toolTip(), toolTip);
        QVERIFY(panel.containsWidget(box));
    }

    void horzLine_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("named") << "rule";
        QTest::newRow("random name") << "";
    }
    void horzLine() {
        QFETCH(QString, name);
        GPanel panel(VERT);
        QLabel* line = panel.create_horz_line(2, "blue", name);
        QLabel* other = panel.create_horz_line(2, "blue", name);
        const QString selector = line->objectName();
        if (name.isEmpty()) {
            QVERIFY2(QRegularExpression("^[A-Z]{8}$").match(selector).hasMatch(), qPrintable(selector));
            QVERIFY(selector != other->objectName());
        } else {
            QCOMPARE(selector, name);
        }
        QCOMPARE(line->styleSheet(), "#" + selector + " { border: 2px solid blue; background:blue}");
        QCOMPARE(line->maximumHeight(), 2);
        QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        policy.setHorizontalStretch(1);
        QCOMPARE(line->sizePolicy(), policy);
    }

    void addTwiceKeepsTheWidget_data() {
        QTest::addColumn<int>("layout");
        for (int l : {VERT, HORZ, FLOW, STACKED, GRID, FORM})
            QTest::newRow(qPrintable(QString::number(l))) << l;
    }
    void addTwiceKeepsTheWidget() {
        QFETCH(int, layout);
        std::unique_ptr<GPanel> panel(make_panel(layout));
        QLabel* label = panel->create_label("x", 0);
        panel->create_label("y", 0);
        LogLines log;
        QCOMPARE(panel->add_widget(label), label);
        QCOMPARE(panel->get_layout()->count(), 2);
        QCOMPARE(log.count(DEBUG, "XPanel::add_widget, w already in container"), 1);
    }

    void toString_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("expected");
        QTest::newRow("unnamed") << ""
                                 << "GPanel";
        QTest::newRow("named") << "main"
                               << "GPanel@main";
        QTest::newRow("umlaut") << "Röhre"
                                << "GPanel@Röhre";
    }
    void toString() {
        QFETCH(QString, name);
        QFETCH(QString, expected);
        GPanel panel;
        panel.setObjectName(name);
        QCOMPARE(QString::fromStdString(panel.to_string()), expected);
        QCOMPARE(QString::fromStdString(gen::str::xprintF(0, "<$>", panel)), "<" + expected + ">");
    }

    void showStacked_data() {
        QTest::addColumn<int>("layout");
        QTest::addColumn<bool>("foreign");
        QTest::newRow("stacked") << int(STACKED) << false;
        QTest::newRow("stacked, foreign widget") << int(STACKED) << true;
        QTest::newRow("vertical") << int(VERT) << false;
        QTest::newRow("no layout") << kNoLayout << true;
    }
    void showStacked() {
        QFETCH(int, layout);
        QFETCH(bool, foreign);
        std::unique_ptr<GPanel> panel(make_panel(layout));
        QLabel outsider;
        QLabel* target = foreign ? &outsider : nullptr;
        if (!foreign) {
            panel->create_label("first", 0);
            target = panel->create_label("second", 0);
        }
        auto* stacked = dynamic_cast<QStackedLayout*>(panel->get_layout());
        LogLines log;
        panel->show_stacked_widget(target);
        if (stacked) QCOMPARE(stacked->currentWidget() == target, !foreign);
        QCOMPARE(log.count(DEBUG, "GPanel::show_stacked_widget, NO QStackedLayout"), stacked ? 0 : 1);
    }

    void themeListenerFires_data() {
        QTest::addColumn<unsigned>("theme");
        QTest::addColumn<bool>("application");
        QTest::newRow("dark, own palette") << theme::THEME_DARK << false;
        QTest::newRow("green, application palette") << theme::THEME_GREEN << true;
    }
    void themeListenerFires() {
        QFETCH(unsigned, theme);
        QFETCH(bool, application);
        GPanel outer(VERT);
        GPanel* inner = outer.create_pan_horz();
        QList<unsigned> outerSeen, innerSeen;
        outer.listenerThemeChanged += [&](unsigned th) { outerSeen << th; };
        outer.listenerThemeChanged += [&] { outerSeen << 99; };
        inner->listenerThemeChanged = [&](unsigned th) { innerSeen << th; };
        theme::set(theme);
        const QPalette saved = QApplication::palette();
        QPalette changed = saved;
        changed.setColor(QPalette::Window, QColor(1, 2, 3));
        application ? QApplication::setPalette(changed) : outer.setPalette(changed);
        QApplication::processEvents(); // the application palette reaches widgets through the event loop
        QList<unsigned> outerAtChange = outerSeen;
        const QList<unsigned> innerAtChange = innerSeen;
        if (application) QApplication::setPalette(saved);
        theme::set(theme::THEME_NORMAL);
        std::sort(outerAtChange.begin(), outerAtChange.end());
        QCOMPARE(outerAtChange, (QList<unsigned>{theme, 99}));
        QCOMPARE(innerAtChange, QList<unsigned>{theme});
    }

    // A listener that was empty at a change must not be called for it later.
    void emptyThemeListenerCallsNothing() {
        GPanel panel(VERT);
        QPalette changed = panel.palette();
        changed.setColor(QPalette::Window, Qt::darkRed);
        panel.setPalette(changed);
        int calls = 0;
        panel.listenerThemeChanged = [&] { ++calls; };
        QApplication::processEvents();
        QCOMPARE(calls, 0);
        changed.setColor(QPalette::Window, Qt::darkBlue);
        panel.setPalette(changed);
        QCOMPARE(calls, 1);
    }

    void missingObjectsEndTheProcess_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("message");
        QTest::newRow("no layout") << "lay"
                                   << "nullptr:lay == NULL";
        QTest::newRow("null widget") << "widget"
                                     << "nullptr:widget == NULL";
        QTest::newRow("null stacked widget") << "stacked"
                                             << "nullptr:widget == NULL";
    }
    void missingObjectsEndTheProcess() {
        QFETCH(QString, mode);
        QFETCH(QString, message);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(kFatalVariable, mode);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(60000));
        const QString out = QString::fromUtf8(child.readAllStandardOutput());
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 1);
        QVERIFY2(out.contains(message + "\ngen/qt/GPanel\n"), qPrintable(out));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString fatal = qEnvironmentVariable(kFatalVariable);
    if (fatal == "lay") GPanel().add_widget(new QLabel);
    if (fatal == "widget") GPanel(VERT).add_widget(nullptr);
    if (fatal == "stacked") GPanel(STACKED).show_stacked_widget(nullptr);
    if (!fatal.isEmpty()) return 0;
    TstGPanel test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_GPanel.moc"
