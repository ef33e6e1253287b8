#include "AppSettings.h"
#include "ChannelDisplaySettings.h"
#include "FileSizeLimit.h"
#include "TestMain.h"

#include <QDir>
#include <QFileInfo>
#include <QHostAddress>
#include <QSysInfo>

class TestAppSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { AppSettings().clear(); }

    void firstRunWritesEveryDefaultToTheUserIniFile()
    {
        QVERIFY(AppSettings::initialise());

        const QString path = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Norvane/CVO_Manager.ini";
        QCOMPARE(QSettings().fileName(), path);
        QSettings file(path, QSettings::IniFormat); // what is on disk, not a cache
        QStringList stored;
        for (const QString& key : file.childKeys())
            stored << key + "=" + file.value(key).toString();
        // 3232236132 is 192.168.2.100.
        QCOMPARE(
            stored.join(' ')
                .replace(QDir::homePath(), "~")
                .replace("publishStation=" + QSysInfo::machineHostName(), "publishStation=<host>"),
            "clearOverwriteOnMax=true dataPath=~/CVO_DATA deviceIPAddress=3232236132 "
            "gridOpacity=0.5 moldMachinePath=~/MOLD_Machine moldMachineSerialPort=COM1 "
            "overwriteMax=5 overwriteOpacity=0.5 pressureDisplayRange=200 publishCaFile= "
            "publishEnabled=false publishHost=localhost publishPassword= publishPort=1883 "
            "publishPrefix=cvo publishStation=<host> publishTls=false publishTlsVerify=true "
            "publishUser= rangeOpacity=0.2 "
            "referenceWaveformOpacity=0.5 rotationHour=0 rotationMinute=0 "
            "saveDataTypeAlarmWave=true saveDataTypeAllWave=true saveDataTypeLog=true "
            "settingsPath=~/CVO_Settings");

        // Twelve hues 30 degrees apart, each group of twelve shifted by 9 degrees.
        const QMap<int, int> hues = {{0, 0}, {1, 30}, {11, 330}, {12, 9}, {39, 117}};
        QCOMPARE(file.beginReadArray("channelDisplay"), 40);
        for (int i = 0; i < 40; ++i) {
            file.setArrayIndex(i);
            QVERIFY(file.value("visible").toBool());
            if (hues.contains(i))
                QCOMPARE(file.value("color").value<QColor>(), QColor::fromHsv(hues[i], 255, 255));
        }
    }

    // A disk that fills up while a colour is stored: told, and once there is room the store
    // is written whole, with the colour.
    void choiceCutShortByAFullDiskIsWrittenWhenThereIsRoom()
    {
        QVERIFY(AppSettings::initialise());
        const qint64 size = QFileInfo(AppSettings().fileName()).size();
        ChannelDisplaySettings display;
        display.setColor(3, Qt::red);
        FileSizeLimit full(size / 2);
        QVERIFY(!display.sync());
        full.lift();
        QVERIFY(ChannelDisplaySettings().sync());
        QFile file(AppSettings().fileName());
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll().endsWith("\nsize=40\n"));
        QCOMPARE(ChannelDisplaySettings().entry(3).color, QColor(Qt::red));
    }

    // A newer version adds its defaults to a store on a full disk: the store stays whole
    // and gets them once there is room.
    void defaultsAddedOnAFullDiskKeepTheStoreWhole()
    {
        {
            AppSettings s;
            s.setValue("dataPath", "/srv/shots");
        }
        QFile file(AppSettings().fileName());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray stored = file.readAll();
        file.close();
        {
            FileSizeLimit full(stored.size() + 200);
            QVERIFY(!AppSettings::initialise());
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), stored);
        file.close();
        QVERIFY(AppSettings::initialise());
        QCOMPARE(AppSettings().dataPath(), "/srv/shots");
        QCOMPARE(AppSettings().moldMachineSerialPort(), "COM1");
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll().contains("moldMachineSerialPort"));
    }

    void existingValuesAndChosenColoursAreKept()
    {
        {
            AppSettings s;
            s.setValue("dataPath", "/srv/shots");
            s.setValue("saveDataTypeLog", false);
            s.beginWriteArray("channelDisplay");
            s.setArrayIndex(3); // a colour without a visibility
            s.setValue("color", QColor(Qt::magenta));
            s.setArrayIndex(5);
            s.setValue("color", QColor(Qt::darkCyan));
            s.setValue("visible", false);
            s.endArray();
        }
        QVERIFY(AppSettings::initialise());

        AppSettings s;
        QCOMPARE(s.dataPath(), "/srv/shots");
        QVERIFY(!s.saveLog());
        QCOMPARE(s.moldMachineSerialPort(), "COM1");
        QCOMPARE(s.beginReadArray("channelDisplay"), 40);
        s.setArrayIndex(3);
        QCOMPARE(s.value("color").value<QColor>(), QColor(Qt::magenta));
        QCOMPARE(s.value("visible"), QVariant(true));
        s.setArrayIndex(4);
        QCOMPARE(s.value("color").value<QColor>(), QColor::fromHsv(120, 255, 255));
        s.setArrayIndex(5);
        QCOMPARE(s.value("color").value<QColor>(), QColor(Qt::darkCyan));
        QVERIFY(!s.value("visible").toBool());
    }

    void deviceAddressIsReadMostSignificantByteFirst_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("expected");
        QTest::newRow("number") << QVariant(0x7F001F05u) << "127.0.31.5";
        QTest::newRow("number as text") << QVariant("2130714373") << "127.0.31.5";
        QTest::newRow("dotted text falls back") << QVariant("10.0.0.9") << "192.168.2.100";
        QTest::newRow("negative falls back") << QVariant("-1") << "192.168.2.100";
    }

    void deviceAddressIsReadMostSignificantByteFirst()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, expected);
        AppSettings s;
        s.setValue("deviceIPAddress", stored);
        QCOMPARE(QHostAddress(s.deviceAddress()), QHostAddress(expected));
    }
};

CVO_TEST_MAIN(TestAppSettings)

#include "tst_appsettings.moc"
