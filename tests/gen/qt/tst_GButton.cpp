#include "gen/qt/GButton.h"
#include "gen/qt/GButtonGroup.h"
#include "gen/qt/GCheckBox.h"
#include "gen/qt/GComboBox.h"
#include "gen/qt/GGui.h"
#include "gen/qt/GRadioButton.h"

#include "LogLines.h"

#include <QHBoxLayout>
#include <QtTest>

using namespace gen::qt;

namespace {

const QString kIcon = QStringLiteral(":/wb/icons/copy.svg");
const QString kMissing = QStringLiteral(":/wb/icons/missing.svg");

// Grouped radio buttons "one", "two", "3" (named "three"), buttons "Go" and "Stop", a check box and a combo
// box, shown; the listeners of the group, of "one", "Go", "log" and "moons" record.
struct Widgets {
    Widgets() {
        radios = {new GRadioButton("one"), new GRadioButton("two"), new GRadioButton("3", "three")};
        group = new GButtonGroup(&window, {radios[0], radios[1], radios[2]});
        group->listenerToggled = [this](const ButtonToggled& t) { toggled << t; };
        auto* layout = new QHBoxLayout(&window);
        for (QWidget* w :
             QList<QWidget*>{radios[0], radios[1], radios[2], go, new GButton("Stop"), box, combo})
            layout->addWidget(w);
        combo->addItems({"Phoebe", "Moon"});
        go->listenerClicked = [this](const int& v) { events << QString("Go %1").arg(v); };
        box->listenerToggled = [this](const bool& on) { events << QString("log %1").arg(on); };
        radios[0]->listenerToggled = [this](const bool& on) { events << QString("one %1").arg(on); };
        combo->listenerCurrentIndexChanged = [this](const int& i) { events << QString("moons %1").arg(i); };
        combo->listenerCurrentTextChanged = [this](const QString& t) { events << "moons " + t; };
        window.show();
    }
    void click(const QString& text) {
        for (auto* button : window.findChildren<QAbstractButton*>())
            if (button->text() == text)
                QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
        if (text == "moons") QTest::keyClick(combo, Qt::Key_Down);
    }
    QWidget window;
    GButton* go = new GButton("Go");
    GCheckBox* box = new GCheckBox("log");
    GComboBox* combo = new GComboBox;
    QList<GRadioButton*> radios;
    GButtonGroup* group;
    QStringList events;
    QList<ButtonToggled> toggled;
};

} // namespace

class TstGButton : public QObject {
    Q_OBJECT

private slots:
    // `later` goes through the base-class form that theme switching uses.
    void icons_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("later");
        QTest::addColumn<bool>("hasIconRes");
        QTest::addColumn<QString>("iconRes");
        QTest::addColumn<bool>("showsIcon");
        QTest::addColumn<QString>("caption");
        QTest::newRow("icon") << kIcon << QString() << true << kIcon << true << QString();
        QTest::newRow("caption") << ":Start" << QString() << false << QString() << false << ":Start";
        QTest::newRow("missing") << kMissing << QString() << true << QString() << false << QString();
        QTest::newRow("bad path keeps the icon")
            << kIcon << kMissing << true << QString() << true << QString();
    }
    void icons() {
        QFETCH(QString, text);
        QFETCH(QString, later);
        QFETCH(bool, hasIconRes);
        QFETCH(QString, iconRes);
        QFETCH(bool, showsIcon);
        QFETCH(QString, caption);
        GButton button(text, "tip", nullptr);
        if (!later.isEmpty()) set_icon(static_cast<QAbstractButton*>(&button), later);
        QCOMPARE(button.text(), caption);
        QCOMPARE(button.toolTip(), "tip");
        QCOMPARE(has_icon_res(&button), hasIconRes);
        QCOMPARE(button.get_icon_res(), iconRes);
        QCOMPARE(!button.icon().isNull(), showsIcon);
    }

    void listeners_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("button") << QStringList{"Go"} << QStringList{"Go 0"};
        QTest::newRow("empty listener") << QStringList{"Stop"} << QStringList{};
        QTest::newRow("check box") << QStringList{"log", "log"} << QStringList{"log 1", "log 0"};
        QTest::newRow("radio") << QStringList{"one", "two"} << QStringList{"one 1", "one 0"};
        QTest::newRow("combo") << QStringList{"moons"} << QStringList{"moons 1", "moons Moon"};
    }
    void listeners() {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, events);
        Widgets w;
        for (const QString& text : clicks)
            w.click(text);
        QCOMPARE(w.events, events);
    }

    void groupReportsReleases_data() {
        QTest::addColumn<bool>("exclusive");
        QTest::addColumn<bool>("checkedAfter");
        QTest::newRow("exclusive") << true << true;
        QTest::newRow("not exclusive") << false << false;
    }
    void groupReportsReleases() {
        QFETCH(bool, exclusive);
        QFETCH(bool, checkedAfter);
        Widgets w;
        w.group->setExclusive(exclusive);
        w.radios[1]->setChecked(true);
        w.click("two");
        QCOMPARE(w.toggled.size(), 1);
        QCOMPARE(w.toggled[0].button, w.radios[1]);
        QCOMPARE(w.toggled[0].checked, checkedAfter);
    }

    void buttonByName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("found");
        QTest::newRow("known") << "three" << true;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("unknown") << "Two" << false;
    }
    void buttonByName() {
        QFETCH(QString, name);
        QFETCH(bool, found);
        Widgets w;
        w.radios[0]->setChecked(true);
        LogLines log;
        QAbstractButton* button = w.group->button_by_name(name);
        QCOMPARE(button ? button->objectName() : QString(), found ? name : QString());
        QCOMPARE(w.group->checkedButton()->objectName(), found ? name : "one");
        const QString error = "GButtonGroup::button_by_name, name '" + name + "' not found";
        QVERIFY(log.only(gen::log::ERROR, found || name.isEmpty() ? QString() : error));
        QVERIFY(w.toggled.isEmpty());
    }

    void uncheckLeavesGroupExclusive() {
        Widgets w;
        w.group->setExclusive(false);
        w.radios[0]->setChecked(true);
        w.radios[2]->setChecked(true);
        w.group->uncheck();
        QVERIFY(w.group->exclusive());
        QCOMPARE(w.group->checkedButton(), nullptr);
    }
};

QTEST_MAIN(TstGButton)
#include "tst_GButton.moc"
