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
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

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
    config.setFlags(0x01E7); // the default without the bits the file does not hold
    config.addModule(code);
    return config;
}

QDomDocument documentOf(const SystemConfig& config)
{
    QDomDocument document;
    document.setContent(MoldSettingsFile::toXml(config));
    return document;
}

// The element at a path of first children, such as "system/alarm/zone1".
QDomElement at(const QDomDocument& document, const QString& path)
{
    QDomElement element = document.documentElement();
    for (const QString& name : path.split(QLatin1Char('/')))
        element = element.firstChildElement(name);
    return element;
}

void removeFirst(QDomElement parent, const QString& name)
{
    parent.removeChild(parent.firstChildElement(name));
}

} // namespace

class TestMoldSettingsXml : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyModuleKindSurvivesARoundTrip_data()
    {
        QTest::addColumn<quint16>("flags");
        QTest::newRow("every stored flag") << quint16(0x07E7);
        QTest::newRow("no flag") << quint16(0);
    }

    void everyModuleKindSurvivesARoundTrip()
    {
        QFETCH(quint16, flags);
        SystemConfig written = everyKind();
        written.setFlags(flags);
        const SystemConfig read(documentOf(written).documentElement());

        QVERIFY(!read.hasError());
        QCOMPARE(read.flags(), flags);
        QVERIFY(read.equals(written));
        QCOMPARE(read.moduleCount(), 4);
        for (int m = 0; m < 4; ++m) {
            QVERIFY(read.module(m)->equalsWithSpecific(*written.module(m)));
            QCOMPARE(read.module(m)->identifier(), written.module(m)->identifier());
            QCOMPARE(read.module(m)->enabled(), written.module(m)->enabled());
        }
        const auto* zra = static_cast<const ZRAModuleConfig*>(read.module(2));
        QCOMPARE(zra->channel(0)->valueScale(), ZRAModuleConfig::VoltageScale.valueScale);
        QVERIFY(!zra->isVoltageInput(1) && zra->isVoltageInput(2) && !zra->isVoltageInput(3));
        QCOMPARE(read.module(3)->channel(7)->displayTitle(), QStringLiteral("<Pseudo-resister>"));
        // Everything written is read: writing again gives the same text.
        QCOMPARE(MoldSettingsFile::toXml(read), MoldSettingsFile::toXml(written));
    }

    void smallFileHasTheExpectedText()
    {
        SystemConfig config = oneModule(0x01000001);
        config.setFlags(SystemConfig::Watch2OnOut3 | SystemConfig::ConditionAnd);
        QFile golden(QStringLiteral(CVO_TEST_DATA "/one_zrc_module.xml"));
        QVERIFY(golden.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(MoldSettingsFile::toXml(config)),
                 QString::fromUtf8(golden.readAll()));
    }

    void missingAlarmZonesAndUnlistedFlagsReadClear()
    {
        SystemConfig written; // flags 0x01FF, of which the file cannot hold bits 3 and 4
        written.setWatch1OnOut3(true);
        written.setWatch2OnOut3(true);
        QDomDocument document = documentOf(written);
        removeFirst(at(document, QStringLiteral("system/alarm")), QStringLiteral("zone1"));
        at(document, QStringLiteral("system/alarm/zone2")).setAttribute("alarmport", "");
        const SystemConfig read(document.documentElement());
        QVERIFY(!read.hasError());
        QCOMPARE(read.flags(), quint16(0x01FF & ~0x0018));
    }

    void systemPartNeedsEveryListedValue_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("attribute");
        QTest::addColumn<QString>("value"); // null: remove the element
        QTest::newRow("no system") << "system"
                                   << "" << QString();
        QTest::newRow("text period") << "system/sampling"
                                     << "period"
                                     << "ten";
        QTest::newRow("interval beyond a byte") << "system/sampling"
                                                << "interval"
                                                << "256";
        QTest::newRow("no condition") << "system/alarm"
                                      << "condition"
                                      << "";
        QTest::newRow("no autoclear") << "system/alarm/autoclear"
                                      << "" << QString();
        QTest::newRow("no start edge") << "system/starttrigger"
                                       << "edge"
                                       << "";
    }

    void systemPartNeedsEveryListedValue()
    {
        QFETCH(QString, path);
        QFETCH(QString, attribute);
        QFETCH(QString, value);
        QDomDocument document = documentOf(SystemConfig());
        QDomElement element = at(document, path);
        if (value.isNull())
            element.parentNode().removeChild(element);
        else
            element.setAttribute(attribute, value);
        QVERIFY(SystemConfig(document.documentElement()).hasError());
    }

    void moduleTypeChoosesTheKind_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("modules");
        QTest::newRow("4 has no class of its own") << "4" << 1;
        QTest::newRow("unknown") << "99" << 1;
        QTest::newRow("empty is skipped") << "" << 0;
    }

    void moduleTypeChoosesTheKind()
    {
        QFETCH(QString, type);
        QFETCH(int, modules);
        QDomDocument document = documentOf(oneModule(0x02000001));
        at(document, QStringLiteral("module")).setAttribute(QStringLiteral("type"), type);
        const SystemConfig read(document.documentElement());
        QVERIFY(!read.hasError());
        QCOMPARE(read.moduleCount(), modules);
        if (modules)
            QCOMPARE(read.module(0)->typeCode(), ZRCModuleConfig::TypeCode);
    }

    void channelsAreTakenByTheirIds()
    {
        SystemConfig written = oneModule(0x01000001);
        for (int c = 0; c < 4; ++c)
            vary(*written.module(0)->channel(c), c);
        QDomDocument document = documentOf(written);
        QDomElement module = at(document, QStringLiteral("module"));
        const QList<QDomElement> channels = childElements(module, QStringLiteral("channel"));
        module.appendChild(channels[1]);               // document order 0 2 3 1
        module.insertBefore(channels[3], channels[0]); // 3 0 2 1
        const SystemConfig read(document.documentElement());
        QVERIFY(!read.hasError());
        QVERIFY(read.equals(written));
    }

    void damagedModuleMakesTheFileFaulty_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("channel ids 1 to 4") << "ids";
        QTest::newRow("three channels") << "three";
        QTest::newRow("unreadable id before the wanted one") << "badid";
        QTest::newRow("channel without title") << "title";
        QTest::newRow("channel without zone2") << "zone2";
        QTest::newRow("peak time start not a number") << "peaktime";
        QTest::newRow("twelve modules") << "twelve";
    }

    void damagedModuleMakesTheFileFaulty()
    {
        QFETCH(QString, damage);
        QDomDocument document = documentOf(oneModule(0x02000001));
        QDomElement module = at(document, QStringLiteral("module"));
        QList<QDomElement> channels = childElements(module, QStringLiteral("channel"));
        if (damage == "ids") {
            for (int c = 0; c < 4; ++c)
                channels[c].setAttribute(QStringLiteral("id"), c + 1);
        } else if (damage == "three") {
            module.removeChild(channels[3]);
        } else if (damage == "badid") {
            channels[0].setAttribute(QStringLiteral("id"), QStringLiteral("x"));
        } else if (damage == "peaktime") {
            channels[1].firstChildElement(damage).setAttribute("start", "1e2");
        } else if (damage == "twelve") {
            for (int i = 0; i < 11; ++i)
                document.documentElement().appendChild(module.cloneNode());
        } else {
            removeFirst(channels[1], damage);
        }
        QVERIFY(SystemConfig(document.documentElement()).hasError());
    }

    void olderChannelElementsReadAsOff()
    {
        SystemConfig written = oneModule(0x01000001);
        vary(*written.module(0)->channel(0), 0);
        QDomDocument document = documentOf(written);
        QDomElement channel = at(document, QStringLiteral("module/channel"));
        removeFirst(channel, QStringLiteral("waveform"));
        removeFirst(channel, QStringLiteral("slope"));
        for (const char* name : {"enabled", "lower", "upper", "method"})
            channel.firstChildElement(QStringLiteral("ejection")).removeAttribute(name);
        channel.removeAttribute(QStringLiteral("enabled"));
        channel.firstChildElement(QStringLiteral("zone1")).removeAttribute("enabled");

        const SystemConfig read(document.documentElement());
        QVERIFY(!read.hasError());
        const ChannelConfig* c = read.module(0)->channel(0);
        QVERIFY(!c->enabled() && !c->waveformEnabled());
        QCOMPARE(c->slope(), (Slope{0, 0, 0, 0, false}));
        QCOMPARE(c->eject(), (Zone{500, 600, 0, 0, false, false}));
        QCOMPARE(c->zone1(), (Zone{10, 20, 30, 40, false, true}));
    }

    void zraInputsAreSetOnlyFromFourSensors_data()
    {
        QTest::addColumn<bool>("dropOne");
        QTest::addColumn<QString>("lastChannel");
        QTest::addColumn<bool>("applied");
        QTest::newRow("four") << false << "3" << true;
        QTest::newRow("three") << true << "3" << false;
        QTest::newRow("channel out of range") << false << "4" << false;
    }

    void zraInputsAreSetOnlyFromFourSensors()
    {
        QFETCH(bool, dropOne);
        QFETCH(QString, lastChannel);
        QFETCH(bool, applied);
        QDomDocument document = documentOf(oneModule(0x03000001));
        QDomElement specific = at(document, QStringLiteral("module/zraspecific"));
        QList<QDomElement> sensors = childElements(specific, QStringLiteral("sensor"));
        for (QDomElement& sensor : sensors)
            sensor.setAttribute(QStringLiteral("unit"), QStringLiteral("V"));
        sensors.last().setAttribute(QStringLiteral("channel"), lastChannel);
        if (dropOne)
            specific.removeChild(sensors.first());

        const SystemConfig read(document.documentElement());
        QVERIFY(!read.hasError());
        const ChannelConfig* first = read.module(0)->channel(0);
        QCOMPARE(first->unitCode(), applied ? 3u : 1u);
        QCOMPARE(first->valueScale(), applied ? 1.0 : 0.1);
    }

    void zrbKeepsWhatItReadBeforeADamagedElement()
    {
        SystemConfig written = oneModule(0x02000001);
        auto* zrb = static_cast<ZRBModuleConfig*>(written.module(0));
        zrb->setSensorCode(3, SensorCodeList::code('A', 'B'));
        zrb->setZrbFlags(0xCF);
        zrb->setCompensationTemperature(55);
        zrb->setAlertUpper(99);
        QDomDocument document = documentOf(written);
        QDomElement specific = at(document, QStringLiteral("module/zrbspecific"));
        specific.firstChildElement(QStringLiteral("output")).removeAttribute("range");

        const SystemConfig read(document.documentElement());
        QVERIFY(!read.hasError());
        const auto* back = static_cast<const ZRBModuleConfig*>(read.module(0));
        QCOMPARE(back->sensorCode(3), SensorCodeList::code('A', 'B'));
        QCOMPARE(back->compensationTemperature(), quint8(55));
        QCOMPARE(back->zrbFlags(), quint8(0x80)); // compensation only: output stopped the rest
        QCOMPARE(back->alertUpper(), quint8(75));

        // A code of three letters stops the reading before the compensation.
        specific.firstChildElement(QStringLiteral("sensitivity")).setAttribute("value", "EDX");
        const SystemConfig refused(document.documentElement());
        const auto* untouched = static_cast<const ZRBModuleConfig*>(refused.module(0));
        QVERIFY(!refused.hasError());
        QCOMPARE(untouched->sensorCode(3), SensorCodeList::code('E', 'D'));
        QCOMPARE(untouched->compensationTemperature(), quint8(100));
    }

    void krt24SensorsNeedAllEight_data()
    {
        QTest::addColumn<bool>("seven");
        QTest::newRow("seven sensorparams") << true;
        QTest::newRow("channel above 8") << false;
    }

    void krt24SensorsNeedAllEight()
    {
        QFETCH(bool, seven);
        SystemConfig written = oneModule(0x11000001);
        auto* krt = static_cast<KRT24ModuleConfig*>(written.module(0));
        for (int c = 0; c < 8; ++c)
            krt->setSensor(c, PressureSensorParams{1, 4, 'C', 1234, 2.0f, 3.0f, 4.0f, 5.0});
        krt->setPseudoResister(true);
        QDomDocument document = documentOf(written);
        QDomElement specific = at(document, QStringLiteral("module/krt24specific"));
        QList<QDomElement> sensors = childElements(specific, QStringLiteral("sensorparams"));
        if (seven)
            specific.removeChild(sensors.last());
        else
            sensors.last().setAttribute(QStringLiteral("channel"), 9);

        const SystemConfig read(document.documentElement());
        QVERIFY(!read.hasError());
        const auto* back = static_cast<const KRT24ModuleConfig*>(read.module(0));
        for (int c = 0; c < 8; ++c)
            QCOMPARE(back->sensor(c), PressureSensorParams{});
        QVERIFY(!back->pseudoResister());
        QVERIFY(back->channel(3)->fixedTitle().isEmpty());
    }

    void krt24UnusableSensorValuesFallBackToDefaults()
    {
        QDomDocument document = documentOf(oneModule(0x11000001));
        QDomElement specific = at(document, QStringLiteral("module/krt24specific"));
        QList<QDomElement> sensors = childElements(specific, QStringLiteral("sensorparams"));
        const QList<QPair<QString, QString>> values{{"pintype", "2"},  {"rating", "11"},
                                                    {"factor", "Z"},   {"distortion", "9999"},
                                                    {"radius", "250"}, {"areasize", "123456"}};
        const QStringList unusable{"round", "16", "AB", "10000", "2.5", "-1"};
        for (int i = 0; i < values.size(); ++i) {
            sensors[0].setAttribute(values[i].first, values[i].second);
            sensors[1].setAttribute(values[i].first, unusable[i]);
        }
        specific.firstChildElement(QStringLiteral("daoutputdisabled"))
            .setAttribute("enabled", "true");

        const SystemConfig read(document.documentElement());
        QVERIFY(!read.hasError());
        const auto* krt = static_cast<const KRT24ModuleConfig*>(read.module(0));
        QCOMPARE(krt->sensor(0), (PressureSensorParams{2, 11, 'Z', 9999, 2.5f, 1, 1, 12.3456}));
        QCOMPARE(krt->sensor(1), PressureSensorParams{});
        QVERIFY(krt->daOutputDisabled());
    }

    void fileReadNamesTheConfigurationOrTellsWhyNot()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Mold.v2.xml"));
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
        const QString path = dir.filePath(QStringLiteral("Mold.xml"));
        QCOMPARE(MoldSettingsFile::write(SystemConfig(), path), Status::Ok);
        const QByteArray before = MoldSettingsFile::toXml(SystemConfig());

        // A disk that fills up halfway through: even root cannot write past this limit.
        rlimit original{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &original), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = original;
        small.rlim_cur = rlim_t(before.size() + 10);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const Status status = MoldSettingsFile::write(everyKind(), path);
        setrlimit(RLIMIT_FSIZE, &original);
        std::signal(SIGXFSZ, previousHandler);

        QCOMPARE(status, Status::WriteFailed);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Mold.xml")});

        // A folder that is a file cannot take the settings either.
        QCOMPARE(MoldSettingsFile::write(SystemConfig(), path + QStringLiteral("/Inner.xml")),
                 Status::WriteFailed);
    }
};

CVO_TEST_MAIN_NO_GUI(TestMoldSettingsXml)
#include "tst_moldsettingsxml.moc"
