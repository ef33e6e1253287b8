#include "FirmwareInfo.h"
#include "KRT24ModuleConfig.h"
#include "ModuleSettingsWidget.h"
#include "PressureSensorWidget.h"
#include "SystemConfig.h"
#include "SystemSettingsWidget.h"
#include "TestMain.h"
#include "ZRBModuleConfig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>

namespace {

using Column = PressureSensorWidget::Column;

// A control of one channel's row in the sensor table; a name tells apart two of a kind.
template <typename T>
T* sensorControl(QWidget& page, int channel, Column column, const QString& name = QString())
{
    auto* table = page.findChild<QTableWidget*>(QStringLiteral("sensorTableWidget"));
    return table->cellWidget(channel, column)->findChild<T*>(name);
}

QComboBox* ratingCombo(QWidget& page, int channel)
{
    return sensorControl<QComboBox>(page, channel, Column::SensitivityColumn,
                                    QStringLiteral("ratingComboBox"));
}

// ZRC, KRT24, ZRB: the KRT24 module sits at index 1 with channels titled MOD-2 CH-n.
SystemConfig threeModuleConfig()
{
    SystemConfig config;
    config.addModule(0x01000001);
    config.addModule(0x11000002);
    config.addModule(0x02000003);
    return config;
}

KRT24ModuleConfig* krt24(SystemConfig& config)
{
    return static_cast<KRT24ModuleConfig*>(config.module(1));
}

} // namespace

class TestSettingsPages : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void ratingDecidesShapeAndDimensions_data();
    void ratingDecidesShapeAndDimensions();
    void offeredRatingListFollowsConnectionAndFirmware_data();
    void offeredRatingListFollowsConnectionAndFirmware();
    void pseudoResisterRenamesChannels4And8();
    void editsLandInTheModel();
    void fillingWritesNothingBack();
};

void TestSettingsPages::cleanup()
{
    resetFirmwareType();
    firmwareVersion = 0;
}

void TestSettingsPages::ratingDecidesShapeAndDimensions_data()
{
    QTest::addColumn<int>("rating");
    QTest::addColumn<int>("shape");
    QTest::addColumn<QList<bool>>("enabled"); // shape, radius, width, height, area
    QTest::newRow("100MPa") << 1 << 0 << QList<bool>{false, false, false, false, false};
    QTest::newRow("200MPa, rectangle") << 2 << 1 << QList<bool>{false, false, false, false, false};
    QTest::newRow("50N, round") << 4 << 0 << QList<bool>{true, true, false, false, false};
    QTest::newRow("1000N, rectangle") << 6 << 1 << QList<bool>{true, false, true, true, false};
    QTest::newRow("200C 16kN, other") << 11 << 2 << QList<bool>{true, false, false, false, true};
}

void TestSettingsPages::ratingDecidesShapeAndDimensions()
{
    QFETCH(int, rating);
    QFETCH(int, shape);
    QFETCH(QList<bool>, enabled);
    SystemConfig config = threeModuleConfig();
    PressureSensorWidget page;
    page.setModule(krt24(config));

    // The shape first: while the default 200MPa rating holds, the shape combo is greyed.
    sensorControl<QComboBox>(page, 5, Column::ShapeColumn)->setCurrentIndex(shape);
    ratingCombo(page, 5)->setCurrentIndex(ratingCombo(page, 5)->findData(rating));

    QCOMPARE(krt24(config)->sensor(5).rating, rating);
    QCOMPARE(krt24(config)->sensor(5).pinType, shape);
    QList<bool> actual;
    for (int column = Column::ShapeColumn; column <= Column::AreaColumn; ++column)
        actual << sensorControl<QWidget>(page, 5, Column(column))->isEnabled();
    QCOMPARE(actual, enabled);
}

void TestSettingsPages::offeredRatingListFollowsConnectionAndFirmware_data()
{
    QTest::addColumn<bool>("connected");
    QTest::addColumn<int>("type");
    QTest::addColumn<quint32>("version");
    QTest::addColumn<int>("offered");
    QTest::newRow("offline") << false << -1 << 0u << 10;
    QTest::newRow("standard 0x29") << true << 0 << 0x2900u << 5;
    QTest::newRow("standard 0x2A") << true << 0 << 0x2A00u << 10;
    QTest::newRow("unknown type") << true << -1 << 0xFFFFFF00u << 5;
}

void TestSettingsPages::offeredRatingListFollowsConnectionAndFirmware()
{
    QFETCH(bool, connected);
    QFETCH(int, type);
    QFETCH(quint32, version);
    QFETCH(int, offered);
    firmwareType = type;
    firmwareVersion = version;
    SystemConfig config = threeModuleConfig();
    krt24(config)->setSensor(0, {0, 9}); // round, high-temperature 1000N
    ModuleSettingsWidget page;
    page.setConnected(connected);
    page.setModule(krt24(config), 1);

    QCOMPARE(ratingCombo(page, 1)->count(), offered);
    QCOMPARE(ratingCombo(page, 1)->currentData().toInt(), 2);
    // A rating the list does not offer is neither shown as another nor overwritten.
    QCOMPARE(ratingCombo(page, 0)->currentData().toInt(), offered == 10 ? 9 : 0);
    QCOMPARE(krt24(config)->sensor(0).rating, 9);
}

void TestSettingsPages::pseudoResisterRenamesChannels4And8()
{
    SystemConfig config = threeModuleConfig();
    ModuleSettingsWidget page;
    page.setModule(config.module(1), 1);
    QSignalSpy renamed(&page, &ModuleSettingsWidget::channelNameChanged);
    auto* pseudoResister = page.findChild<QCheckBox*>(QStringLiteral("pseudoResisterCheckBox"));

    pseudoResister->click();
    const QString fixed = QStringLiteral("<Pseudo-resister>");
    QCOMPARE(renamed, (QList<QVariantList>{{1, 3, fixed}, {1, 7, fixed}}));
    auto* name4 = sensorControl<QLineEdit>(page, 3, Column::NameColumn);
    QCOMPARE(name4->text(), fixed);
    QVERIFY(name4->isReadOnly());

    renamed.clear();
    pseudoResister->click();
    QCOMPARE(renamed, (QList<QVariantList>{{1, 3, QStringLiteral("MOD-2 CH-4")},
                                           {1, 7, QStringLiteral("MOD-2 CH-8")}}));
}

void TestSettingsPages::editsLandInTheModel()
{
    SystemConfig config = threeModuleConfig();
    SystemSettingsWidget system;
    system.setSystemConfig(&config);
    QSignalSpy period(&system, &SystemSettingsWidget::periodChanged);
    system.findChild<QSpinBox*>(QStringLiteral("periodSpinBox"))->setValue(25);
    system.findChild<QDoubleSpinBox*>(QStringLiteral("startDelaySpinBox"))->setValue(0.25);
    system.findChild<QGroupBox*>(QStringLiteral("useAlarmGroupBox"))->setChecked(false);
    QCOMPARE(period, (QList<QVariantList>{{25}}));
    QCOMPARE(QList<int>({config.period(), config.startDelay()}), QList<int>({25, 25}));
    QCOMPARE(config.flags(), 0x01FF & ~SystemConfig::AlarmEnabled);

    ModuleSettingsWidget module;
    module.setModule(config.module(1), 1);
    QSignalSpy channelEnabled(&module, &ModuleSettingsWidget::channelEnabledFlagChanged);
    sensorControl<QCheckBox>(module, 6, Column::NameColumn)->click();
    sensorControl<QSpinBox>(module, 6, Column::SensitivityColumn)->setValue(1234);
    sensorControl<QComboBox>(module, 6, Column::SensitivityColumn, QStringLiteral("factorComboBox"))
        ->setCurrentIndex(2);
    QCOMPARE(channelEnabled, (QList<QVariantList>{{1, 6, false}}));
    QVERIFY(!config.module(1)->channel(6)->enabled());
    QCOMPARE(krt24(config)->sensor(6).sensorCodeText(), QStringLiteral("21234C"));

    module.setModule(config.module(2), 2);
    auto* zrb = static_cast<ZRBModuleConfig*>(config.module(2));
    module.findChild<QCheckBox*>(QStringLiteral("moldTemperatureCompensationCheckBox"))->click();
    QCOMPARE(zrb->zrbFlags(), ZRBModuleConfig::MoldTemperatureCompensation);
    // The lower alert limit stops at the upper one.
    module.findChild<QSpinBox*>(QStringLiteral("alertUpperSpinBox"))->setValue(30);
    module.findChild<QSpinBox*>(QStringLiteral("alertLowerSpinBox"))->setValue(90);
    QCOMPARE(QList<int>({zrb->alertLower(), zrb->alertUpper()}), QList<int>({30, 30}));
}

void TestSettingsPages::fillingWritesNothingBack()
{
    // Values the controls cannot show as they are: an interval of 7 ms, a rating the
    // connected firmware does not offer, a factor and shape outside the lists, reversed
    // alert limits.
    firmwareType = 0;
    firmwareVersion = 0x2900;
    SystemConfig config = threeModuleConfig();
    config.setSamplingInterval(7);
    config.setFlags(0x0155);
    config.setStartDelay(255);
    krt24(config)->setSensor(2, {7, 10, '#'}); // shape, rating, factor
    krt24(config)->setPseudoResister(true);
    auto* zrb = static_cast<ZRBModuleConfig*>(config.module(2));
    zrb->setAlertLower(90);
    zrb->setAlertUpper(20);
    const SystemConfig before = config;

    SystemSettingsWidget system;
    ModuleSettingsWidget module;
    module.setConnected(true);
    QSignalSpy period(&system, &SystemSettingsWidget::periodChanged);
    QSignalSpy moduleEnabled(&module, &ModuleSettingsWidget::moduleEnabledFlagChanged);
    QSignalSpy moduleName(&module, &ModuleSettingsWidget::moduleNameChanged);
    QSignalSpy channelName(&module, &ModuleSettingsWidget::channelNameChanged);
    QSignalSpy channelEnabled(&module, &ModuleSettingsWidget::channelEnabledFlagChanged);
    system.setSystemConfig(&config);
    module.setSystemConfig(&config);
    for (int index = 0; index < config.moduleCount(); ++index)
        module.setModule(config.module(index), index);

    QVERIFY(config.equals(before));
    for (int index = 0; index < config.moduleCount(); ++index)
        QVERIFY(config.module(index)->equalsWithSpecific(*before.module(index)));
    for (const QSignalSpy* spy :
         {&period, &moduleEnabled, &moduleName, &channelName, &channelEnabled})
        QCOMPARE(spy->count(), 0);
}

CVO_TEST_MAIN(TestSettingsPages)
#include "tst_settingspages.moc"
