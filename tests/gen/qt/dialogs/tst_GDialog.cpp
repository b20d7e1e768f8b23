#include "LogLines.h"

#include "gen/qt/dialogs/DiaExperiment.h"
#include "gen/qt/dialogs/GDialog.h"
#include "gen/qt/GMainPanel.h"

#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace gen::qt;

class TstGDialog : public QObject {
    Q_OBJECT

private slots:
    void init() { gen::log::set_control_bits(0); }

    void dialogs_data() {
        QTest::addColumn<bool>("experiment");
        QTest::addColumn<QStringList>("content");
        QTest::addColumn<QString>("closer");
        QTest::addColumn<bool>("deletes"); // on close
        QTest::newRow("GDialog") << false << QStringList{"Albert", "Berta", "Claudia", "Dora", "", "End"}
                                 << "End" << false;
        QTest::newRow("DiaExperiment")
            << true << QStringList{"Bla", "Albert", "Berta", "Claudia", "Dora", "close"} << "close" << true;
    }
    // The main panel fills the dialog edge to edge, and the closing button closes.
    void dialogs() {
        QFETCH(bool, experiment);
        QFETCH(QStringList, content);
        QFETCH(QString, closer);
        QFETCH(bool, deletes);
        LogLines log;
        QPointer<GDialog> dialog = experiment ? new DiaExperiment(nullptr, {}) : new GDialog(nullptr, {});
        if (!experiment) dialog->ini();
        dialog->resize(300, 400);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        auto* panel = dynamic_cast<GMainPanel*>(dialog->layout()->itemAt(0)->widget());
        QVERIFY(panel);
        QCOMPARE(panel->geometry(), dialog->rect());
        QStringList seen;
        QPushButton* button = nullptr;
        for (int i = 0; i < panel->layout()->count(); ++i) {
            QWidget* w = panel->layout()->itemAt(i)->widget();
            auto* label = qobject_cast<QLabel*>(w);
            auto* push = qobject_cast<QPushButton*>(w);
            seen << (label ? label->text() : push->text());
            if (push && push->text() == closer) button = push;
        }
        QCOMPARE(seen, content);
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(dialog.isNull(), deletes);
        QVERIFY(!dialog || dialog->isHidden());
        delete dialog;
        QVERIFY(log.lines.last().second.endsWith("GDialog::~GDialog"));
        QCOMPARE(log.lines.first().first, experiment ? gen::log::INFO : gen::log::DEBUG);
    }
};

QTEST_MAIN(TstGDialog)
#include "tst_GDialog.moc"
