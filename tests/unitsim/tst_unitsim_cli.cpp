// The cvo-unitsim command line, its presets and firmware identities, and the program
// itself run as a child process.

#include "FirmwareIdentity.h"
#include "MoldSettingsFile.h"
#include "Presets.h"
#include "SimulatorCommandLine.h"
#include "SimulatorOptions.h"
#include "TestMain.h"

#include <QCommandLineParser>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Flag bits the mold settings file does not hold.
constexpr quint16 SettingsFileReservedFlags = 0x0018;

// Parses `arguments` as the program does; the error is empty on success.
QString parse(const QStringList& arguments, SimulatorOptions* options)
{
    QCommandLineParser parser;
    SimulatorCommandLine unit;
    unit.addTo(parser);
    if (!parser.parse(QStringList{QStringLiteral("cvo-unitsim")} + arguments))
        return parser.errorText();
    QString error;
    return unit.read(parser, options, &error) ? QString() : error;
}

QStringList args(const char* text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

class TestUnitsimCli : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsEveryOption()
    {
        SimulatorOptions options;
        QCOMPARE(parse(args("--address 127.0.41.100 --control-port 51000 --data-port 0 "
                            "--preset channels40 --firmware c --version-word 0x0B002C96 "
                            "--cycle-time 15000 --speed 2.5 --shots 7 --seed 42 --drift-every 5 "
                            "--log-frames --drop-every 3 --corrupt-every 4 --split-frames "
                            "--merge-frames --silent-data --silent-control --refuse-control "
                            "--reset-every 6 --wrong-reply-every 8"),
                       &options),
                 QString());
        QCOMPARE(options.address, QHostAddress(QStringLiteral("127.0.41.100")));
        QCOMPARE(options.controlPort, quint16(51000));
        QCOMPARE(options.dataPort, quint16(0));
        QCOMPARE(options.config.channelCount(), 40);
        QCOMPARE(options.config.samplingInterval(), quint8(1));
        QCOMPARE(options.firmware.kind(), FirmwareIdentity::Kind::CompanyC);
        QCOMPARE(options.firmware.versionWord(), 0x0B002C96U);
        QCOMPARE(options.cycleTimeMs, 15000);
        QCOMPARE(options.speed, 2.5);
        QCOMPARE(options.shotLimit, 7);
        QCOMPARE(options.seed, 42U);
        QCOMPARE(options.driftEvery, 5);
        QVERIFY(options.logFrames);
        const FaultSwitches& f = options.faults;
        QCOMPARE(
            QList<int>({f.dropDataEvery, f.corruptFrameEvery, f.resetEvery, f.wrongReplyEvery}),
            QList<int>({3, 4, 6, 8}));
        QVERIFY(f.splitFrames && f.mergeFrames && f.silentData && f.silentControl &&
                f.refuseControl);
    }

    void rejectsUnusableValues_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::newRow("speed zero") << QStringLiteral("--speed 0");
        QTest::newRow("speed text") << QStringLiteral("--speed fast");
        QTest::newRow("preset") << QStringLiteral("--preset nine");
        QTest::newRow("firmware") << QStringLiteral("--firmware b");
        QTest::newRow("legacy version")
            << QStringLiteral("--firmware legacy --version-word 0x3000");
        QTest::newRow("version of another kind")
            << QStringLiteral("--firmware a --version-word 0x0B002C96");
        QTest::newRow("address") << QStringLiteral("--address localhost.example");
        QTest::newRow("port") << QStringLiteral("--data-port 70000");
        QTest::newRow("same ports") << QStringLiteral("--data-port 50000");
        QTest::newRow("negative shots") << QStringLiteral("--shots -1");
        QTest::newRow("zero interval fault") << QStringLiteral("--drop-every 0");
    }
    void rejectsUnusableValues()
    {
        QFETCH(QString, arguments);
        SimulatorOptions options;
        QVERIFY(!parse(arguments.split(QLatin1Char(' ')), &options).isEmpty());
    }

    void takesItsConfigurationFromAMoldSettingsFile()
    {
        QTemporaryDir folder;
        SystemConfig config;
        config.addModule(0x02000005);
        config.setPeriod(7);
        config.setFlags(quint16(config.flags() & ~SettingsFileReservedFlags));
        const QString path = folder.path() + QStringLiteral("/LINE3.xml");
        QCOMPARE(MoldSettingsFile::write(config, path), MoldSettingsFile::Status::Ok);
        SimulatorOptions options;
        QCOMPARE(parse({QStringLiteral("--mold-file"), path}, &options), QString());
        QVERIFY(options.config.equals(config));
        QCOMPARE(options.config.name(), QStringLiteral("LINE3"));
        QVERIFY(!parse({QStringLiteral("--mold-file"), folder.path() + QStringLiteral("/none.xml")},
                       &options)
                     .isEmpty());
    }

    void presetsFitTheUnitsFrames()
    {
        for (const QString& name : Presets::names()) {
            SimulatorOptions options;
            QVERIFY(Presets::make(name, &options.config));
            QVERIFY2(options.problem().isEmpty(), qPrintable(name + options.problem()));
            QVERIFY(!Presets::description(name).isEmpty());
        }
        SystemConfig config;
        QVERIFY(!Presets::make(QStringLiteral("none"), &config));

        // Six 8-channel modules, or nine 4-channel ones, do not fit one sample frame.
        SimulatorOptions tooWide;
        QVERIFY(Presets::make(QStringLiteral("channels40"), &tooWide.config));
        tooWide.config.addModule(0x11000999);
        QVERIFY(!tooWide.problem().isEmpty());
        SimulatorOptions manySmall;
        manySmall.config = SystemConfig();
        for (int i = 0; i < 8; ++i)
            manySmall.config.addModule(0x01000000 + quint32(i));
        QVERIFY(manySmall.problem().isEmpty());
        manySmall.config.addModule(0x01000010);
        QVERIFY(!manySmall.problem().isEmpty());
        manySmall.config = SystemConfig();
        QVERIFY(!manySmall.problem().isEmpty()); // a unit without modules
    }

    void programRunsTheRequestedShotsAndQuits()
    {
        QProcess program;
        program.start(QStringLiteral(CVO_UNITSIM_PATH),
                      args("--address 127.0.41.100 --shots 2 --speed 50 --cycle-time 1000"));
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(program.readAllStandardError().contains("2 shots"));
    }

    void programQuitsCleanlyOnTerminate()
    {
        QProcess program;
        program.start(QStringLiteral(CVO_UNITSIM_PATH), args("--address 127.0.41.101"));
        QVERIFY(program.waitForStarted(10000));
        QTcpSocket probe;
        QTRY_VERIFY_WITH_TIMEOUT((probe.abort(),
                                  probe.connectToHost(QStringLiteral("127.0.41.101"), 50000),
                                  probe.waitForConnected(200)),
                                 15000);
        probe.abort();
        program.terminate();
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(program.readAllStandardError().contains("data connections"));
    }

    void programRefusesBadOptions()
    {
        QProcess program;
        program.start(QStringLiteral(CVO_UNITSIM_PATH), args("--preset nine"));
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), 2);
        QVERIFY(program.readAllStandardError().contains("--preset nine"));
    }
};

CVO_TEST_MAIN_NO_GUI(TestUnitsimCli)

#include "tst_unitsim_cli.moc"
