#include "LogLines.h"

#include "gen/qt/dialogs/GDialogOption.h"
#include "gen/qt/Theme.h"
#include "gen/qt/ThemeEngine.h"
#include "gen/tools/GSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace gen::qt;

namespace {

constexpr unsigned kLevel = gen::log::DEBUG;
constexpr unsigned kDigits = 4;
constexpr unsigned kBits = gen::log::LOG_CONTROL_FULL; // all six flags but "micro seconds"

QComboBox* combo(QWidget* dialog, const QString& label) {
    for (QLabel* l : dialog->findChildren<QLabel*>())
        if (l->text() == label) return l->parentWidget()->findChild<QComboBox*>();
    return nullptr;
}

template <typename T>
T* with_text(QWidget* dialog, const QString& text) {
    for (T* w : dialog->findChildren<T*>())
        if (w->text() == text) return w;
    return nullptr;
}

QList<uint> logger() {
    return {uint(gen::log::get_log_level()), gen::log::get_log_digits(), gen::log::get_control_bits()};
}

} // namespace

class TstGDialogOption : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<GSettings> store;

    // The dialog's own messages, without the trailer.
    static QStringList messages(const LogLines& log) {
        static const QRegularExpression own(" (OK|Cancel|fontSize:.*|current fontSize:.*)$");
        QStringList out;
        for (const auto& line : log.lines) {
            const auto match = own.match(line.second);
            if (match.hasMatch()) out << match.captured(1);
        }
        return out;
    }

    QStringList stored() const {
        QStringList out;
        for (const QString& key : store->allKeys())
            out << key + "=" + store->value(key).toString();
        out.sort();
        return out;
    }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        store = std::make_unique<GSettings>(dir->filePath("options.ini"), QSettings::IniFormat);
        baseSettings = store.get();
        gen::log::LogConfig{kDigits, kLevel, {kBits}}.write_to_logger();
        theme::apply_the_theme(theme::THEME_NORMAL);
    }
    void cleanup() {
        baseSettings = nullptr;
        store.reset();
        gen::log::LogConfig{kDigits, kLevel, {kBits}}.write_to_logger();
        theme::apply_the_theme(theme::THEME_NORMAL);
    }

    // The selections come from the theme in force, the logger (not the stored log
    // settings) and the stored font size; building fires and stores nothing.
    void build() {
        const uint themeNow = theme::THEME_GREEN;
        const QList<uint> loggerNow{gen::log::INFO, 7, 160}; // level, digits, control bits
        const QStringList preset{"log/level=3", "log/digits=5", "log/gui/fontSize=14"};
        theme::apply_the_theme(themeNow);
        for (const QString& entry : preset)
            store->setValue(entry.section('=', 0, 0), entry.section('=', 1).toUInt());
        gen::log::LogConfig{loggerNow[1], loggerNow[0], {loggerNow[2]}}.write_to_logger();
        QList<uint> shown;
        QPointer<GDialogOption> dialog = new GDialogOption;
        dialog->listenerFontSize = [&](const unsigned& size) { shown << size; };
        dialog->ini();
        dialog->show();
        QStringList now;
        for (const char* row : {"Theme", "Log Level", "Digits", "Font Size"})
            now << combo(dialog, row)->currentText();
        QStringList on;
        for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
            if (box->isChecked()) on << box->text();
        QCOMPARE(now, QStringList({"green", "INFO", "7", "14"}));
        QCOMPARE(on, QStringList({"log level", "micro seconds"}));
        // Building fired nothing and stored nothing.
        QVERIFY(shown.isEmpty());
        QCOMPARE(theme::get(), themeNow);
        QCOMPARE(stored().size(), preset.size());
        delete dialog;
    }

    // Steps: "<row label>=<item>" selects, "=+<text>" first adds the item (a
    // text the dialog never offers), "<box>=on|off" clicks a check box, and
    // "OK" or "Cancel" end the dialog.
    void edits_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QList<uint>>("after"); // the logger's level, digits, control bits
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<uint>("themeAfter");
        QTest::addColumn<QList<uint>>("shown"); // through listenerFontSize
        QTest::addColumn<QStringList>("lines");
        const QList<uint> unchanged{kLevel, kDigits, kBits};
        const QStringList logWritten{"log/control=990", "log/digits=4", "log/level=3"};
        QTest::newRow("theme, Cancel")
            << QStringList{"Theme=dark", "Cancel"} << unchanged << QStringList{"ui/theme=1"}
            << theme::THEME_DARK << QList<uint>() << QStringList{"Cancel"};
        QTest::newRow("time off, OK") << QStringList{"time=off", "OK"} << QList<uint>{kLevel, kDigits, 734}
                                      << QStringList{"log/control=734", "log/digits=4", "log/level=3"}
                                      << theme::THEME_NORMAL << QList<uint>() << QStringList{"OK"};
        QTest::newRow("font, Cancel") << QStringList{"Font Size=12", "Cancel"} << unchanged << QStringList()
                                      << theme::THEME_NORMAL << QList<uint>{12} << QStringList{"Cancel"};
        QTest::newRow("font, OK") << QStringList{"Font Size=12", "OK"} << unchanged
                                  << logWritten + QStringList{"log/gui/fontSize=12"} << theme::THEME_NORMAL
                                  << QList<uint>{12} << QStringList{"OK", "fontSize:12, fontSizeOld:9"};
        const QStringList logEdits{"Log Level=ERROR", "Digits=7", "micro seconds=on"};
        QTest::newRow("log edits, OK")
            << logEdits + QStringList{"OK"} << QList<uint>{gen::log::ERROR, 7, 1022}
            << QStringList{"log/control=1022", "log/digits=7", "log/level=0"} << theme::THEME_NORMAL
            << QList<uint>() << QStringList{"OK"};
        QTest::newRow("not numbers, OK")
            << QStringList{"Digits=+x", "Font Size=+12pt", "OK"} << QList<uint>{kLevel, 0, kBits}
            << QStringList{"log/control=990", "log/digits=0", "log/gui/fontSize=0", "log/level=3"}
            << theme::THEME_NORMAL << QList<uint>{0} << QStringList{"OK", "fontSize:0, fontSizeOld:9"};
    }
    void edits() {
        QFETCH(QStringList, steps);
        QFETCH(QList<uint>, after);
        QFETCH(QStringList, written);
        QFETCH(uint, themeAfter);
        QFETCH(QList<uint>, shown);
        QFETCH(QStringList, lines);
        QList<uint> fontSizes;
        QPointer<GDialogOption> dialog = new GDialogOption;
        dialog->ini();
        dialog->listenerFontSize = [&](const unsigned& size) { fontSizes << size; };
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        LogLines log;
        for (const QString& step : steps) {
            const QString name = step.section('=', 0, 0);
            QString value = step.section('=', 1);
            if (auto* button = with_text<QPushButton>(dialog, step)) {
                QTest::mouseClick(button, Qt::LeftButton);
            } else if (auto* box = with_text<QCheckBox>(dialog, name)) {
                // On the indicator: a box wider than its text ignores clicks beside the text.
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
                QCOMPARE(box->isChecked(), value == "on");
            } else {
                QComboBox* c = combo(dialog, name);
                QVERIFY2(c, qPrintable(step));
                if (value.startsWith('+')) c->addItem(value = value.mid(1));
                c->setCurrentText(value);
                QCOMPARE(c->currentText(), value);
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog.isNull());
        QCOMPARE(logger(), after);
        written.sort();
        QCOMPARE(stored(), written);
        QCOMPARE(theme::get(), themeAfter);
        QCOMPARE(fontSizes, shown);
        QCOMPARE(messages(log), lines);
    }

    // The fatal handler waits five seconds before the process ends.
    void withoutSettingsTheProcessEnds() {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        child.setProcessEnvironment(env);
        child.start(FATAL_PROBE, {"options"});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 1);
        QCOMPARE(child.readAllStandardOutput(), QByteArray("nullptr:baseSettings == NULL\n"
                                                           "gen/qt/dialogs/GDialogOption\nLINE:43\n"
                                                           "program will exit in 5 sec\n"));
    }
};

QTEST_MAIN(TstGDialogOption)
#include "tst_GDialogOption.moc"
