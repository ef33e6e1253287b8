#include "AppSettings.h"
#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>

class TestAppSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void firstRunWritesEveryDefaultToTheUserIniFile();
    void existingValuesAreKept();
    void channelWithColourButNoVisibilityKeepsColourAndBecomesVisible();
    void deviceAddressIsReadMostSignificantByteFirst_data();
    void deviceAddressIsReadMostSignificantByteFirst();
};

void TestAppSettings::init()
{
    AppSettings().clear();
}

void TestAppSettings::firstRunWritesEveryDefaultToTheUserIniFile()
{
    QVERIFY(AppSettings::initialise());

    const QString path = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Norvane/CVO_Manager.ini";
    QCOMPARE(AppSettings().fileName(), path);
    QCOMPARE(QSettings().fileName(), path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("deviceIPAddress=3232236132"));

    AppSettings s;
    const QString home = QDir::homePath();
    QCOMPARE(QHostAddress(s.deviceAddress()), QHostAddress("192.168.2.100"));
    QCOMPARE(s.value("dataPath").toString(), home + "/CVO_DATA");
    QCOMPARE(s.value("settingsPath").toString(), home + "/CVO_Settings");
    QCOMPARE(s.value("moldMachinePath").toString(), home + "/MOLD_Machine");
    QCOMPARE(s.value("pressureDisplayRange").toInt(), 200);
    QCOMPARE(s.value("rotationHour").toInt(), 0);
    QCOMPARE(s.value("rotationMinute").toInt(), 0);
    QCOMPARE(s.value("moldMachineSerialPort").toString(), "COM1");
    QVERIFY(s.value("saveDataTypeLog").toBool());
    QVERIFY(s.value("saveDataTypeAlarmWave").toBool());
    QVERIFY(s.value("saveDataTypeAllWave").toBool());
    QCOMPARE(s.value("overwriteMax").toInt(), 5);
    QVERIFY(s.value("clearOverwriteOnMax").toBool());
    QCOMPARE(s.value("overwriteOpacity").toFloat(), 0.5f);
    QCOMPARE(s.value("gridOpacity").toFloat(), 0.5f);
    QCOMPARE(s.value("referenceWaveformOpacity").toFloat(), 0.5f);
    QCOMPARE(s.value("rangeOpacity").toFloat(), 0.2f);
    QVERIFY(!s.contains("lastMoldFile"));

    QCOMPARE(s.beginReadArray("channelDisplay"), 40);
    QList<QColor> colours;
    for (int i = 0; i < 40; ++i) {
        s.setArrayIndex(i);
        colours << s.value("color").value<QColor>();
        QVERIFY(s.value("visible").toBool());
        QCOMPARE(colours[i].hsvSaturation(), 255);
        QCOMPARE(colours[i].value(), 255);
        QCOMPARE(colours[i].alpha(), 255);
    }
    QCOMPARE(colours[1].hsvHue(), 30);
    QCOMPARE(colours[11].hsvHue(), 330);
    // Each group of twelve is shifted by 9 degrees from the one before.
    QCOMPARE(colours[12].hsvHue() - colours[0].hsvHue(), 9);
    QCOMPARE(colours[39].hsvHue(), 3 * 9 + 3 * 30);
}

void TestAppSettings::existingValuesAreKept()
{
    {
        AppSettings s;
        s.setValue("dataPath", "/srv/shots");
        s.setValue("pressureDisplayRange", 25);
        s.setValue("saveDataTypeLog", false);
        s.setValue("rangeOpacity", 0.75);
        s.beginWriteArray("channelDisplay");
        s.setArrayIndex(5);
        s.setValue("color", QColor(Qt::darkCyan));
        s.setValue("visible", false);
        s.endArray();
    }
    QVERIFY(AppSettings::initialise());

    AppSettings s;
    QCOMPARE(s.value("dataPath").toString(), "/srv/shots");
    QCOMPARE(s.value("pressureDisplayRange").toInt(), 25);
    QVERIFY(!s.value("saveDataTypeLog").toBool());
    QCOMPARE(s.value("rangeOpacity").toDouble(), 0.75);
    QCOMPARE(s.value("moldMachineSerialPort").toString(), "COM1");
    QCOMPARE(s.beginReadArray("channelDisplay"), 40);
    s.setArrayIndex(5);
    QCOMPARE(s.value("color").value<QColor>(), QColor(Qt::darkCyan));
    QVERIFY(!s.value("visible").toBool());
}

void TestAppSettings::channelWithColourButNoVisibilityKeepsColourAndBecomesVisible()
{
    {
        AppSettings s;
        s.beginWriteArray("channelDisplay");
        s.setArrayIndex(3);
        s.setValue("color", QColor(Qt::magenta));
        s.endArray();
    }
    QVERIFY(AppSettings::initialise());

    AppSettings s;
    QCOMPARE(s.beginReadArray("channelDisplay"), 40);
    s.setArrayIndex(3);
    QCOMPARE(s.value("color").value<QColor>(), QColor(Qt::magenta));
    QCOMPARE(s.value("visible"), QVariant(true));
    s.setArrayIndex(4);
    QCOMPARE(s.value("color").value<QColor>(), AppSettings::defaultChannelColor(4));
}

void TestAppSettings::deviceAddressIsReadMostSignificantByteFirst_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("fallsBack");

    QTest::newRow("number") << QVariant(0x7F001F05u) << "127.0.31.5" << false;
    QTest::newRow("number as text") << QVariant("2130714373") << "127.0.31.5" << false;
    QTest::newRow("dotted text") << QVariant("10.0.0.9") << "192.168.2.100" << true;
    QTest::newRow("negative") << QVariant("-1") << "192.168.2.100" << true;
}

void TestAppSettings::deviceAddressIsReadMostSignificantByteFirst()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, expected);
    QFETCH(bool, fallsBack);

    AppSettings s;
    s.setValue("deviceIPAddress", stored);
    if (fallsBack) {
        QTest::ignoreMessage(QtWarningMsg,
                             "Setting deviceIPAddress is not an address, using 192.168.2.100");
    }
    QCOMPARE(QHostAddress(s.deviceAddress()), QHostAddress(expected));
}

CVO_TEST_MAIN(TestAppSettings)

#include "tst_appsettings.moc"
