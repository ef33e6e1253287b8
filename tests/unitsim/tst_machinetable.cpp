#include "MachineRequestReader.h"
#include "MachineTable.h"
#include "TestMain.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestMachineTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsIdsAndRepliesFromText()
    {
        MachineTable table;
        QVERIFY2(table.parse(QStringLiteral("# machine items\r\n"
                                            "CYCL,32.45\r\n"
                                            "\r\n"
                                            " MOLD ,金型 A,B\r\n"
                                            "EMPT,\n"
                                            "*,未定義です\n")),
                 qPrintable(table.errorString()));
        QCOMPARE(table.ids(), QList<QByteArray>({"CYCL", "MOLD", "EMPT"}));
        QCOMPARE(table.reply("CYCL"), QStringLiteral("32.45"));
        // Only the first comma separates; the reply keeps its own commas and blanks.
        QCOMPARE(table.reply("MOLD"), QStringLiteral("金型 A,B"));
        QCOMPARE(table.reply("EMPT"), QString());
        QCOMPARE(table.reply("NONE"), QStringLiteral("未定義です"));
    }

    void rejectsMalformedTableAndKeepsThePreviousOne_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        QTest::newRow("no comma") << "A,1\nB 2\n"
                                  << "line 2:";
        QTest::newRow("empty id") << " ,1\n"
                                  << "line 1:";
        QTest::newRow("non-ASCII id") << "温度,1\n"
                                      << "line 1:";
        QTest::newRow("id with a blank") << "A B,1\n"
                                         << "line 1:";
        QTest::newRow("id too long") << QString(33, QLatin1Char('X')) + ",1\n"
                                     << "line 1:";
        QTest::newRow("repeated id") << "A,1\n#\nA,2\n"
                                     << "line 3: ID A given twice";
    }

    void rejectsMalformedTableAndKeepsThePreviousOne()
    {
        QFETCH(QString, text);
        QFETCH(QString, error);
        MachineTable table = MachineTable::builtIn();
        QVERIFY(!table.parse(text));
        QVERIFY2(table.errorString().startsWith(error), qPrintable(table.errorString()));
        QCOMPARE(table.ids(), MachineTable::builtIn().ids());
        QCOMPARE(table.reply("STAT"), QStringLiteral("自動運転中"));
    }

    void refusesAnOversizeFile()
    {
        QTemporaryDir dir;
        QFile big(dir.filePath("big.csv"));
        QVERIFY(big.open(QIODevice::WriteOnly));
        big.write("A,1\n");
        QVERIFY(big.resize(MachineTable::kMaxFileSize + 1));
        big.close();
        MachineTable table;
        QVERIFY(!table.load(big.fileName()));
        QVERIFY(!table.contains("A"));
    }

    void dropsBrokenRequestsAndRecovers()
    {
        MachineRequestReader reader;
        // A fresh start byte abandons the request in progress.
        QCOMPARE(reader.feed("\x04"
                             "AB\x04"
                             "CD\x05"),
                 QList<QByteArray>({"CD"}));
        // An empty request is nothing to answer.
        QCOMPARE(reader.feed("\x04\x05"), QList<QByteArray>());
        // A runaway id is dropped without growing the buffer, and the next request is read.
        const QByteArray runaway(MachineRequestReader::kMaxIdLength + 10, 'X');
        QCOMPARE(reader.feed("\x04" + runaway + "\x05\x04" + "OK\x05"), QList<QByteArray>({"OK"}));
        QCOMPARE(reader.discardedBytes(), 3 + 2 + 1 + runaway.size() + 1);
        // A request the line left hanging is dropped by reset().
        reader.feed("\x04"
                    "PART");
        reader.reset();
        QCOMPARE(reader.feed("\x05"), QList<QByteArray>());
    }
};

CVO_TEST_MAIN_NO_GUI(TestMachineTable)
#include "tst_machinetable.moc"
