#include "gen/qt/GButton.h"
#include "gen/qt/GButtonGroup.h"
#include "gen/qt/GCheckBox.h"
#include "gen/qt/GRadioButton.h"

#include "LogLines.h"

#include <QHBoxLayout>
#include <QtTest>

using namespace gen::qt;

class TstGButton : public QObject {
    Q_OBJECT

private slots:
    // Every listener but Stop's records. A second release over the checked button of an exclusive group
    // may not uncheck it, and the group says so.
    void clicks_data() {
        QTest::addColumn<bool>("exclusive");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("events");
        QTest::newRow("button") << true << QStringList{"Go"} << "Go 0";
        QTest::newRow("empty listener") << true << QStringList{"Stop"} << "";
        QTest::newRow("check box") << true << QStringList{"log", "log"} << "log 1, log 0";
        QTest::newRow("radio") << true << QStringList{"one", "two"}
                               << "one 1, group one 1, one 0, group two 1";
        QTest::newRow("again") << true << QStringList{"two", "two"} << "group two 1, group two 1";
        QTest::newRow("not exclusive") << false << QStringList{"two", "two"} << "group two 1, group two 0";
    }
    void clicks() {
        QFETCH(bool, exclusive);
        QFETCH(QStringList, clicks);
        QFETCH(QString, events);
        QWidget window;
        auto* one = new GRadioButton("one");
        auto* two = new GRadioButton("two");
        auto* go = new GButton("Go");
        auto* box = new GCheckBox("log");
        auto* layout = new QHBoxLayout(&window);
        for (QWidget* w : QList<QWidget*>{one, two, go, new GButton("Stop"), box})
            layout->addWidget(w);
        auto* group = new GButtonGroup(&window, {one, two});
        group->setExclusive(exclusive);
        QStringList seen;
        group->listenerToggled = [&](const ButtonToggled& t) {
            seen << QString("group %1 %2").arg(t.button->text()).arg(t.checked);
        };
        go->listenerClicked = [&](const int& v) { seen << QString("Go %1").arg(v); };
        box->listenerToggled = [&](const bool& on) { seen << QString("log %1").arg(on); };
        one->listenerToggled = [&](const bool& on) { seen << QString("one %1").arg(on); };
        window.show();
        for (const QString& text : clicks)
            for (auto* button : window.findChildren<QAbstractButton*>())
                if (button->text() == text)
                    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
        QCOMPARE(seen.join(", "), events);
    }

    void buttonByName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("checked");
        QTest::newRow("known") << "three"
                               << "three";
        QTest::newRow("empty") << QString() << "one";
        QTest::newRow("unknown") << "Two"
                                 << "one";
    }
    void buttonByName() {
        QFETCH(QString, name);
        QFETCH(QString, checked);
        GRadioButton one("one"), three("3", "three");
        GButtonGroup group(nullptr, {&one, &three});
        one.setChecked(true);
        LogLines log;
        QAbstractButton* button = group.button_by_name(name);
        QCOMPARE(button ? button->objectName() : QString(), name == checked ? name : QString());
        QCOMPARE(group.checkedButton()->objectName(), checked);
        const bool unknown = !name.isEmpty() && name != checked;
        QVERIFY(log.only(gen::log::ERROR, unknown ? "button_by_name, name '" + name + "' not found" : ""));
    }
};

QTEST_MAIN(TstGButton)
#include "tst_GButton.moc"
