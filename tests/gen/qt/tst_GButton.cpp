#include "gen/qt/GButton.h"
#include "gen/qt/GButtonGroup.h"
#include "gen/qt/GCheckBox.h"
#include "gen/qt/GComboBox.h"
#include "gen/qt/GGui.h"
#include "gen/qt/GRadioButton.h"

#include "LogLines.h"

#include <QtTest>

#include <QHBoxLayout>

using namespace gen::qt;

namespace {

const QString kIcon = QStringLiteral(":/wb/icons/copy.svg");
const QString kMissing = QStringLiteral(":/wb/icons/missing.svg");

// The test icon is a strong red that no style paints on its own.
bool shows_test_icon(QWidget& w) {
    const QImage image = w.grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QColor c = image.pixelColor(x, y); c.red() > 180 && c.green() < 80 && c.blue() < 80)
                return true;
    return false;
}

void click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// Radio buttons "one", "two", "three" in a shown window, grouped, every release recorded.
struct Radios {
    Radios() {
        auto* layout = new QHBoxLayout(&window);
        for (const char* name : {"one", "two", "three"})
            layout->addWidget(radios.emplace_back(new GRadioButton(name)));
        group = new GButtonGroup(&window, {radios[0], radios[1], radios[2]});
        group->listenerToggled = [this](const ButtonToggled& t) { events << t; };
        window.show();
    }
    QWidget window;
    std::vector<GRadioButton*> radios;
    GButtonGroup* group;
    QList<ButtonToggled> events;
};

} // namespace

class TstGButton : public QObject {
    Q_OBJECT

private slots:
    // `later` goes through the base-class form that theme switching uses.
    void icons_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("later");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("hasIconRes");
        QTest::addColumn<QString>("iconRes");
        QTest::addColumn<bool>("showsIcon");
        QTest::newRow("icon path") << kIcon << ""
                                   << "" << true << kIcon << true;
        QTest::newRow("caption") << ":Start"
                                 << ""
                                 << ":Start" << false << "" << false;
        QTest::newRow("missing: no icon, no text") << kMissing << ""
                                                   << "" << true << "" << false;
        QTest::newRow("bad path keeps the icon") << kIcon << kMissing << "" << true << "" << true;
        QTest::newRow("icon added to a caption") << "Go" << kIcon << "Go" << true << kIcon << true;
    }
    void icons() {
        QFETCH(QString, text);
        QFETCH(QString, later);
        QFETCH(QString, caption);
        QFETCH(bool, hasIconRes);
        QFETCH(QString, iconRes);
        QFETCH(bool, showsIcon);
        GButton button(text, "tip", nullptr);
        if (!later.isEmpty()) set_icon(static_cast<QAbstractButton*>(&button), later);
        QCOMPARE(button.text(), caption);
        QCOMPARE(button.toolTip(), "tip");
        QCOMPARE(has_icon_res(&button), hasIconRes);
        QCOMPARE(button.get_icon_res(), iconRes);
        QCOMPARE(shows_test_icon(button), showsIcon);
    }

    void clicksReachEveryCallableWithZero_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("mouse") << false;
        QTest::newRow("space key") << true;
    }
    void clicksReachEveryCallableWithZero() {
        QFETCH(bool, byKey);
        GButton button("Go"), silent("Stop");
        button.show();
        silent.show();
        QList<int> first, second;
        button.listenerClicked += [&](const int& v) { first << v; };
        button.listenerClicked += [&](const int& v) { second << v; };
        click(&silent);
        byKey ? QTest::keyClick(&button, Qt::Key_Space) : click(&button);
        QCOMPARE(first, QList<int>{0});
        QCOMPARE(second, QList<int>{0});
    }

    void checkBoxAndRadioButtonsReportToggles() {
        GCheckBox box("log");
        box.show();
        QList<bool> boxSeen, radioSeen;
        box.listenerToggled = [&](const bool& on) { boxSeen << on; };
        click(&box);
        box.setChecked(false);
        QCOMPARE(boxSeen, (QList<bool>{true, false}));
        Radios r;
        QCOMPARE(GRadioButton("sin", "sine").objectName(), "sine");
        r.radios[0]->listenerToggled = [&](const bool& on) { radioSeen << on; };
        click(r.radios[0]);
        click(r.radios[1]);
        QCOMPARE(radioSeen, (QList<bool>{true, false}));
    }

    void groupReportsReleases_data() {
        QTest::addColumn<bool>("exclusive");
        QTest::addColumn<bool>("checkedBefore");
        QTest::addColumn<bool>("checkedAfter");
        QTest::newRow("unchecked") << true << false << true;
        QTest::newRow("already checked, exclusive") << true << true << true;
        QTest::newRow("already checked, not exclusive") << false << true << false;
    }
    void groupReportsReleases() {
        QFETCH(bool, exclusive);
        QFETCH(bool, checkedBefore);
        QFETCH(bool, checkedAfter);
        Radios r;
        r.group->setExclusive(exclusive);
        if (checkedBefore) r.group->set_checked("two");
        click(r.radios[1]);
        QCOMPARE(r.events.size(), 1);
        QCOMPARE(r.events[0].button, r.radios[1]);
        QCOMPARE(r.events[0].checked, checkedAfter);
    }

    void buttonByName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("found");
        QTest::newRow("known") << "three"
                               << "three";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("unknown") << "Two"
                                 << "";
    }
    void buttonByName() {
        QFETCH(QString, name);
        QFETCH(QString, found);
        Radios r;
        r.radios[0]->setChecked(true);
        LogLines log;
        QAbstractButton* button = r.group->button_by_name(name);
        QCOMPARE(button ? button->objectName() : QString(), found);
        QCOMPARE(r.group->checkedButton()->objectName(), found.isEmpty() ? "one" : found);
        const int errors = !name.isEmpty() && found.isEmpty();
        QCOMPARE(log.lines.size(), errors);
        QCOMPARE(log.count(gen::log::ERROR, "GButtonGroup::button_by_name, name '" + name + "' not found"),
                 errors);
        QVERIFY(r.events.isEmpty());
    }

    void uncheckLeavesGroupExclusive() {
        Radios r;
        r.group->setExclusive(false);
        r.radios[0]->setChecked(true);
        r.radios[2]->setChecked(true);
        r.group->uncheck();
        QVERIFY(r.group->exclusive());
        QVERIFY(!r.radios[0]->isChecked() && !r.radios[2]->isChecked());
    }

    void comboBoxReportsIndexAndText() {
        GComboBox combo;
        combo.addItems({"Phoebe", "Moon", "Mars"});
        combo.show();
        QList<int> indexes;
        QStringList texts;
        combo.listenerCurrentIndexChanged = [&](const int& i) { indexes << i; };
        combo.listenerCurrentTextChanged = [&](const QString& t) { texts << t; };
        QTest::keyClick(&combo, Qt::Key_Down);
        QTest::keyClick(&combo, Qt::Key_End);
        QCOMPARE(indexes, (QList<int>{1, 2}));
        QCOMPARE(texts, (QStringList{"Moon", "Mars"}));
    }
};

QTEST_MAIN(TstGButton)
#include "tst_GButton.moc"
