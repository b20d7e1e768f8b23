#include "LogLines.h"

#include "gen/qt/dialogs/GDialogOption.h"
#include "gen/qt/GMainPanel.h"
#include "gen/qt/GMainWindow.h"
#include "gen/qt/GPanelLog.h"
#include "gen/tools/GSettings.h"

#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace gen::qt;

namespace {

// With no control bits a line is one blank and the message.
QStringList messages(const LogLines& log) {
    QStringList out;
    for (const auto& line : log.lines)
        out << line.second.mid(1);
    return out;
}

// Records what the frame calls on it.
struct Probe : GMainWindow {
    using GMainWindow::dragEnterEvent;
    using GMainWindow::dropEvent;
    GPanelLog* panelLog = nullptr;
    int saves = 0;
    bool inResize = false;
    GPanelLog* get_panel_log() override { return panelLog; }
    void save_state() override {
        ++saves;
        GMainWindow::save_state();
    }
    void resizeEvent(QResizeEvent* e) override {
        inResize = true;
        GMainWindow::resizeEvent(e);
        inResize = false;
    }
};

QComboBox* combo_of_row(QWidget* dialog, const QString& label) {
    for (QLabel* l : dialog->findChildren<QLabel*>())
        if (l->text() == label) return l->parentWidget()->findChild<QComboBox*>();
    return nullptr;
}

} // namespace

class TstGMainWindow : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void init() {
        gen::log::set_log_level(gen::log::DEBUG);
        gen::log::set_control_bits(0);
        baseSettings = nullptr;
    }
    void cleanup() { baseSettings = nullptr; }

    // A drag is first offered (enter), then dropped; only URLs are logged.
    void drops_data() {
        QTest::addColumn<QList<QUrl>>("urls");
        QTest::addColumn<QStringList>("lines");
        const QString pathLine = "    GMainWindow::dropEvent, <<<%1>>>";
        const QString enter = "GMainWindow::dragEnterEvent, URLs";
        QTest::newRow("text") << QList<QUrl>() << QStringList();
        QList<QUrl> others{QUrl("http://example.org/"), QUrl("mailto:a@example.org"), QUrl("data:,x"),
                           QUrl("dir/relative.txt"), QUrl()};
        QStringList otherLines{enter, "GMainWindow::dropEvent, urls:5"};
        for (qsizetype i = 0; i < others.size(); ++i)
            otherLines << pathLine.arg("");
        QTest::newRow("other schemes, relative, empty") << others << otherLines;
        QList<QUrl> many;
        QStringList manyLines{enter, "GMainWindow::dropEvent, urls:10000"};
        for (int i = 0; i < 10000; ++i) {
            many << QUrl::fromLocalFile(QString("/tmp/many files/%1.txt").arg(i));
            manyLines << pathLine.arg(many.last().toLocalFile());
        }
        QTest::newRow("10 000 files, in order") << many << manyLines;
    }
    void drops() {
        QFETCH(QList<QUrl>, urls);
        QFETCH(QStringList, lines);
        Probe window;
        QMimeData mime;
        mime.setText("some text");
        if (!urls.isEmpty()) mime.setUrls(urls);
        LogLines log;
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, {});
        window.dragEnterEvent(&enter);
        QCOMPARE(enter.isAccepted(), !urls.isEmpty());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, {});
        drop.setDropAction(Qt::IgnoreAction);
        window.dropEvent(&drop);
        QVERIFY(drop.isAccepted());
        QCOMPARE(drop.dropAction(), drop.proposedAction());
        QCOMPARE(messages(log), lines);
    }

    void fileDropped_data() {
        QTest::addColumn<QString>("kind"); // what the path names
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("result"); // %1 is the path
        QTest::newRow("several chunks") << "file" << qint64(200001) << "read 200.001 bytes from %1";
        // Sparse, so cheap to make; wider than 32 bits.
        QTest::newRow("over 4 GiB") << "file" << qint64(4300000000) << "read 4.300.000.000 bytes from %1";
        QTest::newRow("missing") << "missing" << qint64(0) << "ERROR opening %1";
        QTest::newRow("endless device") << "device" << qint64(0) << "ERROR opening %1";
        QTest::newRow("null path") << "null" << qint64(0) << "ERROR opening %1";
    }
    void fileDropped() {
        QFETCH(QString, kind);
        QFETCH(qint64, size);
        QFETCH(QString, result);
        QTemporaryDir files;
        QString path = files.filePath(kind);
        if (kind == "device") path = "/dev/zero";
        if (kind == "file") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(size));
        }
        const QByteArray utf8 = path.toUtf8();
        const char* sPath = kind == "null" ? nullptr : utf8.constData();
        if (!sPath) path = "nullptr";
        LogLines log;
        on_file_dropped(sPath, 7);
        QCOMPARE(messages(log),
                 QStringList({QString("on_file_dropped, sPath:%1, bytes:7").arg(path), result.arg(path)}));
    }

    void firstResize_data() {
        QTest::addColumn<bool>("registerFirst"); // before the first resize
        QTest::addColumn<int>("calls");
        QTest::newRow("registered before") << true << 1;
        QTest::newRow("registered after") << false << 0;
    }
    void firstResize() {
        QFETCH(bool, registerFirst);
        QFETCH(int, calls);
        Probe window;
        QList<int> values;
        bool calledInside = false;
        const auto record = [&](const int& v) {
            values << v;
            calledInside = calledInside || window.inResize;
        };
        if (registerFirst) window.listenerFirstResize = record;
        QResizeEvent first(QSize(400, 300), QSize(100, 100));
        QCoreApplication::sendEvent(&window, &first);
        QVERIFY(values.isEmpty());
        if (!registerFirst) window.listenerFirstResize = record;
        window.show();
        for (int i = 1; i <= 5; ++i) {
            window.resize(300 + 20 * i, 200 + 10 * i);
            QCoreApplication::processEvents();
        }
        QCOMPARE(values, QList<int>(calls, 0));
        QVERIFY(!calledInside);
    }

    // The hook's "no" does not veto the close; only a settings object brings save_state.
    void close_data() {
        QTest::addColumn<bool>("settings");
        QTest::addColumn<QStringList>("lines");
        const QStringList closed{"GMainWindow::closeEvent"};
        QTest::newRow("no settings") << false << closed;
        QTest::newRow("settings") << true << closed + QStringList{"GMainWindow::save_state"};
    }
    void close() {
        QFETCH(bool, settings);
        QFETCH(QStringList, lines);
        GSettings store(dir.filePath("close.ini"), QSettings::IniFormat);
        if (settings) baseSettings = &store;
        Probe window;
        int hookCalls = 0;
        window.onClose = [&] { return ++hookCalls < 0; };
        LogLines log;
        QCloseEvent event;
        event.ignore();
        QCoreApplication::sendEvent(&window, &event);
        QVERIFY(event.isAccepted());
        QCOMPARE(hookCalls, 1);
        QCOMPARE(window.saves, settings ? 1 : 0);
        QCOMPARE(messages(log), lines);
    }

    void options_data() {
        QTest::addColumn<bool>("havePanel");
        QTest::newRow("log panel") << true;
        QTest::newRow("no log panel") << false;
    }
    void options() {
        QFETCH(bool, havePanel);
        GSettings store(dir.filePath("options.ini"), QSettings::IniFormat);
        baseSettings = &store;
        GPanelLog panelLog; // before LogLines: it takes the logger's appender
        Probe window;
        window.panelLog = havePanel ? &panelLog : nullptr;
        LogLines log;
        window.on_options();
        const QList<QDialog*> dialogs = window.findChildren<QDialog*>();
        QCOMPARE(dialogs.size(), 1);
        QPointer<QDialog> dialog = dialogs[0];
        QVERIFY(dynamic_cast<GDialogOption*>(dialog.data()));
        QVERIFY(dialog->isVisible() && dialog->isModal() && dialog->testAttribute(Qt::WA_DeleteOnClose));
        combo_of_row(dialog, "Font Size")->setCurrentText("12");
        QCOMPARE(panelLog.get_font_size(), havePanel ? 12 : 9);
        QCOMPARE(messages(log).filter("GMainWindow::on_options"),
                 QStringList({"GMainWindow::on_options", "GMainWindow::on_options, fontSize:12"}));
        dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog.isNull());
    }
};

QTEST_MAIN(TstGMainWindow)
#include "tst_GMainWindow.moc"
