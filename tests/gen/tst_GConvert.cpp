#include "gen/GConvert.h"

#include <QtTest>

class TstGConvert : public QObject {
    Q_OBJECT

private slots:
    void roundTrip() {
        const QString text = QChar(0) + QString::fromUcs4(U"\u00FC\U0001F600");
        const std::string bytes = gen::convert::to_string(text);
        QCOMPARE(QByteArray::fromStdString(bytes), QByteArray("\0\xC3\xBC\xF0\x9F\x98\x80", 7));
        QCOMPARE(gen::convert::to_qstring(bytes), text);
    }

    void dump_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<unsigned>("max");
        QTest::addColumn<QString>("expected");
        const QByteArray ten("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A");
        QTest::newRow("fits") << QByteArray("\x01\x02\xFF") << 10u << "[3] = {1, 2, -1}";
        QTest::newRow("exactly max") << QByteArray("\x7F\x80") << 2u << "[2] = {127, -128}";
        QTest::newRow("cut odd") << ten << 5u << "[10] = {1, 2, ..., 9, 10}";
        QTest::newRow("cut to nothing") << ten << 1u << "[10] = {...}";
    }
    void dump() {
        QFETCH(QByteArray, data);
        QFETCH(unsigned, max);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(gen::convert::to_string(data, max)), expected);
    }
};

QTEST_MAIN(TstGConvert)
#include "tst_GConvert.moc"
