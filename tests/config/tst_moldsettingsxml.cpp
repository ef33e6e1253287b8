#include "FileSizeLimit.h"
#include "KRT24ModuleConfig.h"
#include "MoldSettingsFile.h"
#include "MoldSettingsXml.h"
#include "SensorCodeList.h"
#include "SystemConfig.h"
#include "TestMain.h"
#include "ZRAModuleConfig.h"
#include "ZRBModuleConfig.h"
#include "ZRCModuleConfig.h"

#include <QDir>
#include <QDomDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

using MoldSettingsXml::childElements;
using Status = MoldSettingsFile::Status;

// Every monitoring item away from its default and different for every channel; titles
// that XML must escape or would otherwise lose.
void vary(ChannelConfig& channel, int seed)
{
    static const QStringList titles{"<&>\"'", "   ", " a\r\nb\t", "]]>&lt;", ""};
    const auto n = quint16(seed);
    channel.setEnabled(seed % 2 == 0);
    channel.setWaveformEnabled(seed % 3 == 0);
    channel.setZone1(Zone{quint16(10 + n), quint16(20 + n), quint16(30 + n), 40, false, true});
    channel.setZone2(Zone{11, quint16(21 + n), 31, quint16(41 + n), true, true});
    channel.setEject(Zone{quint16(500 + n), 600, 7, quint16(8 + n), seed % 2 == 1, true});
    channel.setPoint(TSec{quint16(700 + n), 1, quint16(65535 - n), false});
    channel.setPeakTime(TimeRange{quint16(3 + n), 4, false});
    channel.setIntegral(ValueRange{quint16(48000 - n), 2, false});
    channel.setPeakIntegral(ValueRange{5, quint16(6 + n), false});
    channel.setSlope(Slope{9, quint16(10 + n), -2000000 - seed, 123456 + seed, false});
    channel.setTitle(titles[seed % titles.size()]);
}

// One module of every kind, with every kind-specific field changed.
SystemConfig everyKind()
{
    SystemConfig config;
    config.setPeriod(120);
    config.setSamplingInterval(20);
    config.setAlarmClearDelay(255);
    config.setStartDelay(0);
    config.setFlags(0x0281);
    for (quint32 code : {0x01000001u, 0x02000002u, 0x03000003u, 0x1102F345u})
        config.addModule(code);
    int seed = 0;
    for (int m = 0; m < config.moduleCount(); ++m) {
        config.module(m)->setTitle(QStringLiteral("Module & %1").arg(m));
        for (int c = 0; c < config.module(m)->channelCount(); ++c)
            vary(*config.module(m)->channel(c), ++seed);
    }
    config.module(1)->setEnabled(false);
    static_cast<ZRCModuleConfig*>(config.module(0))->setSensorCode(2, 0x5A51);
    auto* zrb = static_cast<ZRBModuleConfig*>(config.module(1));
    zrb->setSensorCode(0, SensorCodeList::code('J', 'H'));
    zrb->setZrbFlags(0xC5);
    zrb->setCompensationTemperature(180);
    zrb->setAlertLower(12);
    zrb->setAlertUpper(250);
    auto* zra = static_cast<ZRAModuleConfig*>(config.module(2));
    zra->setVoltageInput(0, true);
    zra->setVoltageInput(3, false);
    auto* krt = static_cast<KRT24ModuleConfig*>(config.module(3));
    krt->setSensor(5, PressureSensorParams{1, 11, 'Q', 9999, 2.5f, 0.01f, 655.35f, 12.3456});
    krt->setPseudoResister(true);
    krt->setDaOutputDisabled(true);
    return config;
}

SystemConfig oneModule(quint32 code)
{
    SystemConfig config;
    config.addModule(code);
    return config;
}

QDomDocument documentOf(const SystemConfig& config)
{
    QDomDocument document;
    document.setContent(MoldSettingsFile::toXml(config));
    return document;
}

// The element at a path such as "system/alarm/zone1"; "module:2" is the third module.
QDomElement at(const QDomDocument& document, const QString& path)
{
    QDomElement element = document.documentElement();
    for (const QString& step : path.split(QLatin1Char('/'))) {
        const QString name = step.section(QLatin1Char(':'), 0, 0);
        element = element.firstChildElement(name);
        for (int i = step.section(QLatin1Char(':'), 1).toInt(); i > 0; --i)
            element = element.nextSiblingElement(name);
    }
    return element;
}

// "path" removes the element, "path@attribute=value" sets an attribute, "path@clone=n"
// appends n copies of the element to its parent and "path@move=" moves it to the end.
void damage(QDomDocument& document, const QString& edit)
{
    const QStringList parts = edit.split(QRegularExpression("[@=]"));
    QDomElement element = at(document, parts.at(0));
    QDomNode parent = element.parentNode();
    if (parts.size() == 1)
        parent.removeChild(element);
    else if (parts.at(1) == "clone")
        for (int i = 0; i < parts.at(2).toInt(); ++i)
            parent.appendChild(element.cloneNode());
    else if (parts.at(1) == "move")
        parent.appendChild(element);
    else
        element.setAttribute(parts.at(1), parts.at(2));
}

QString golden(const char* name)
{
    QFile file(QStringLiteral(CVO_TEST_DATA "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class TestMoldSettingsXml : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void filesHaveTheExpectedText()
    {
        SystemConfig config = oneModule(0x01000001);
        config.setFlags(SystemConfig::Watch2OnOut3 | SystemConfig::ConditionAnd);
        QCOMPARE(QString::fromUtf8(MoldSettingsFile::toXml(config)), golden("one_zrc_module.xml"));
        QCOMPARE(QString::fromUtf8(MoldSettingsFile::toXml(everyKind())), golden("every_kind.xml"));
    }

    void everyModuleKindSurvivesARoundTrip_data()
    {
        QTest::addColumn<quint16>("flags");
        QTest::newRow("every stored flag") << quint16(0x07E7);
        QTest::newRow("no flag") << quint16(0);
    }

    // Everything written is read: writing what was read gives the same text.
    void everyModuleKindSurvivesARoundTrip()
    {
        QFETCH(quint16, flags);
        SystemConfig written = everyKind();
        written.setFlags(flags);
        const SystemConfig read(documentOf(written).documentElement());
        QVERIFY(!read.hasError());
        QCOMPARE(read.flags(), flags);
        QCOMPARE(MoldSettingsFile::toXml(read), MoldSettingsFile::toXml(written));
    }

    void damagedRequiredPartMakesTheFileFaulty_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::newRow("no system") << "system";
        QTest::newRow("text period") << "system/sampling@period=ten";
        QTest::newRow("interval beyond a byte") << "system/sampling@interval=256";
        QTest::newRow("no condition") << "system/alarm@condition=";
        QTest::newRow("no autoclear") << "system/alarm/autoclear";
        QTest::newRow("no start edge") << "system/starttrigger@edge=";
        QTest::newRow("module without title") << "module/title";
        QTest::newRow("three channels") << "module/channel";
        QTest::newRow("channel id out of range") << "module/channel@id=4";
        QTest::newRow("unreadable channel id") << "module/channel@id=x";
        QTest::newRow("channel without title") << "module/channel/title";
        QTest::newRow("channel without zone2") << "module/channel/zone2";
        QTest::newRow("peak time not a number") << "module/channel/peaktime@start=1e2";
        QTest::newRow("twelve modules") << "module@clone=11";
    }

    void damagedRequiredPartMakesTheFileFaulty()
    {
        QFETCH(QString, edit);
        QDomDocument document = documentOf(oneModule(0x02000001));
        damage(document, edit);
        QVERIFY(SystemConfig(document.documentElement()).hasError());
        QCOMPARE(MoldSettingsFile::fromXml(document.toByteArray()).status, Status::Corrupted);
    }

    // Whatever a damaged or older file lacks outside the required parts reads as off,
    // zero or the kind's default; the kinds' own elements are taken whole or not at all,
    // except that a ZRB block keeps what it read before the damage.
    void tolerableDamageIsReadAsTheGoldenTextShows()
    {
        QDomDocument document = documentOf(everyKind());
        for (const char* edit : {
                 "system/alarm/zone1",                         // OUT1
                 "system/alarm/zone2@alarmport=",              // OUT1
                 "module:1@clone=2",                           // modules 4 and 5: ZRB
                 "module:2@clone=1",                           // module 6: ZRA
                 "module:3@clone=1",                           // module 7: KRT24
                 "module:0/channel:1/waveform",                // older channel: off
                 "module:0/channel:1/slope",                   // older channel: off
                 "module:0/channel:1/ejection@lower=",         // older channel: 0
                 "module:0/channel:1/ejection@enabled=",       // older channel: off
                 "module:0/channel:1@enabled=",                // older channel: off
                 "module:0/channel:0@move=",                   // channels in order 1 2 3 0
                 "module:0/zrcspecific/sensitivity",           // three codes: defaults
                 "module:1/zrbspecific/output@range=",         // codes and compensation kept
                 "module:4/zrbspecific/sensitivity@value=EDX", // defaults
                 "module:5@type=99",                           // read as ZRC
                 "module:2/zraspecific/sensor",                // three sensors: defaults
                 "module:6/zraspecific/sensor:3@channel=4",    // defaults
                 "module:3/krt24specific/sensorparams:5@pintype=round", // unusable: defaults
                 "module:3/krt24specific/sensorparams:5@rating=16",
                 "module:3/krt24specific/sensorparams:5@factor=AB",
                 "module:3/krt24specific/sensorparams:5@distortion=10000",
                 "module:3/krt24specific/sensorparams:5@radius=2.5",
                 "module:3/krt24specific/sensorparams:5@areasize=-1",
                 "module:7/krt24specific/sensorparams", // seven sensors: defaults
                 "module:7@clone=1",                    // module 8
                 "module:8@type=",                      // without a type: skipped
             })
            damage(document, QString::fromLatin1(edit));
        const SystemConfig read(document.documentElement());
        QVERIFY(!read.hasError());
        QCOMPARE(QString::fromUtf8(MoldSettingsFile::toXml(read)),
                 golden("every_kind_damaged.xml"));
    }

    void fileReadNamesTheConfigurationOrTellsWhyNot()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Mold.v2.xml");
        QCOMPARE(MoldSettingsFile::read(path).status, Status::OpenFailed);
        QCOMPARE(MoldSettingsFile::read(dir.path()).status, Status::OpenFailed);
        QCOMPARE(MoldSettingsFile::write(everyKind(), path), Status::Ok);
        const MoldSettingsFile::ReadResult result = MoldSettingsFile::read(path);
        QCOMPARE(result.status, Status::Ok);
        QCOMPARE(result.config->name(), QStringLiteral("Mold.v2"));

        // A character XML cannot carry would make the file unreadable: it is written as '?'.
        SystemConfig bell = oneModule(0x01000001);
        bell.module(0)->setTitle(QStringLiteral("bell\a"));
        QCOMPARE(MoldSettingsFile::write(bell, path), Status::Ok);
        QCOMPARE(MoldSettingsFile::read(path).config->module(0)->title(), QStringLiteral("bell?"));

        QVERIFY(QFile::resize(path, MoldSettingsFile::MaxFileSize + 1)); // sparse: no disk used
        QCOMPARE(MoldSettingsFile::read(path).status, Status::NotWellFormed);
    }

    void failedWriteKeepsThePreviousFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Mold.xml");
        QCOMPARE(MoldSettingsFile::write(SystemConfig(), path), Status::Ok);
        const QByteArray before = MoldSettingsFile::toXml(SystemConfig());

        // A disk that fills up halfway through.
        FileSizeLimit full(before.size() + 10);
        const Status status = MoldSettingsFile::write(everyKind(), path);
        full.lift();

        QCOMPARE(status, Status::WriteFailed);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Mold.xml"});

        // A folder that is a file cannot take the settings either.
        QCOMPARE(MoldSettingsFile::write(SystemConfig(), path + "/Inner.xml"), Status::WriteFailed);
    }
};

CVO_TEST_MAIN_NO_GUI(TestMoldSettingsXml)
#include "tst_moldsettingsxml.moc"
