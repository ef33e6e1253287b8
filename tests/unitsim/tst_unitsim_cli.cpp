// The cvo-unitsim program run as a child process, and the limits its configurations
// must keep to fit the unit's frames.

#include "Presets.h"
#include "SimulatorOptions.h"
#include "TestMain.h"

#include <QProcess>
#include <QTcpSocket>

class TestUnitsimCli : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void programListensAndQuitsCleanlyOnTerminate()
    {
        QProcess program;
        program.start(QStringLiteral(CVO_UNITSIM_PATH),
                      {QStringLiteral("--address"), QStringLiteral("127.0.41.101")});
        QVERIFY(program.waitForStarted(10000));
        QTcpSocket probe;
        QTRY_VERIFY_WITH_TIMEOUT((probe.abort(),
                                  probe.connectToHost(QStringLiteral("127.0.41.101"), 50000),
                                  probe.waitForConnected(200)),
                                 15000);
        program.terminate();
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }
};

CVO_TEST_MAIN_NO_GUI(TestUnitsimCli)

#include "tst_unitsim_cli.moc"
