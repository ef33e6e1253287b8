#include "SystemConfig.h"
#include "SystemStatusWidget.h"
#include "TestMain.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr quint32 Zrc = 0x01000001;
constexpr quint32 Zrb = 0x02000001;
constexpr quint32 Zra = 0x03000001;
constexpr quint32 Krt24 = 0x11000001;

const QString EmptySlotStyle =
    "border-radius:3px; color: rgb( 0, 0, 0 );background-color: rgb( 230, 230, 230 );";
const QString FaultMark = "border: 4px solid red;";

SystemConfig configWith(const QList<quint32>& moduleCodes)
{
    SystemConfig config;
    for (quint32 code : moduleCodes) {
        config.addModule(code);
    }
    return config;
}

QPushButton* button(SystemStatusWidget& widget, int number)
{
    return widget.findChild<QPushButton*>(number == 0 ? QString("pcButton")
                                                      : QString("moduleButton%1").arg(number));
}

} // namespace

class TestSystemStatusWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsWithPcButtonAndThreeDisabledEmptySlots();
    void moduleShowsTheStyleAndModelOfItsKind_data();
    void moduleShowsTheStyleAndModelOfItsKind();
    void buttonsBeyondTheModulesAreEmptySlotsWithTheirInitialText();
    void faultFlagOutlinesItsModuleUntilAStatusWithoutIt();
    void clickedModuleIsReportedByIndex();
    void lineJoinsTheButtons();
};

void TestSystemStatusWidget::startsWithPcButtonAndThreeDisabledEmptySlots()
{
    SystemStatusWidget widget;

    QCOMPARE(button(widget, 0)->geometry(), QRect(20, 0, 60, 40));
    QCOMPARE(button(widget, 0)->styleSheet(), "border-radius:3px; color: rgb( 255, 255, 255 );"
                                              "background-color: rgb( 128, 128, 128 );");
    for (int n = 1; n <= 3; ++n) {
        QCOMPARE(button(widget, n)->geometry(), QRect(20 + n * 70, 0, 60, 40));
        QCOMPARE(button(widget, n)->text(), QString("%1\nNC").arg(n));
        QCOMPARE(button(widget, n)->styleSheet(), EmptySlotStyle);
        QVERIFY(!button(widget, n)->isEnabled());
        QCOMPARE(button(widget, n)->focusPolicy(), Qt::NoFocus);
    }
}

void TestSystemStatusWidget::moduleShowsTheStyleAndModelOfItsKind_data()
{
    QTest::addColumn<quint32>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("background");
    QTest::newRow("kind 1") << Zrc << "1\nZRC"
                            << "background-color: rgb( 120, 199, 235 );";
    QTest::newRow("kind 2") << Zrb << "1\nZRB"
                            << "background-color: rgb( 255, 116, 43 );";
    QTest::newRow("kind 3") << Zra << "1\nZRA"
                            << "background-color: rgb( 255, 255, 133 );";
    QTest::newRow("kind 17") << Krt24 << "1\nKRT24"
                             << "background-color: rgb( 45, 120, 196 );";
}

void TestSystemStatusWidget::moduleShowsTheStyleAndModelOfItsKind()
{
    QFETCH(quint32, code);
    QFETCH(QString, background);
    SystemStatusWidget widget;

    widget.update(configWith({code}));

    QTEST(button(widget, 1)->text(), "text");
    QVERIFY(button(widget, 1)->styleSheet().startsWith("border-radius:3px; color: rgb( "));
    QVERIFY(button(widget, 1)->styleSheet().endsWith(");" + background));
    QVERIFY(button(widget, 1)->isEnabled());
}

void TestSystemStatusWidget::buttonsBeyondTheModulesAreEmptySlotsWithTheirInitialText()
{
    SystemStatusWidget widget;
    widget.update(configWith({Zrb, Zrc}));
    QCOMPARE(button(widget, 2)->text(), "2\nZRC");
    QCOMPARE(button(widget, 3)->text(), "3\nNC");
    QCOMPARE(button(widget, 3)->styleSheet(), EmptySlotStyle);

    // A later configuration with fewer modules leaves no trace of the removed ones.
    widget.update(configWith({Zrb, Zrc, Zra}), {false, false, true});
    widget.update(configWith({Zrb}));

    for (int n = 2; n <= 3; ++n) {
        QCOMPARE(button(widget, n)->text(), QString("%1\nNC").arg(n));
        QCOMPARE(button(widget, n)->styleSheet(), EmptySlotStyle);
        QVERIFY(!button(widget, n)->isEnabled());
    }
}

void TestSystemStatusWidget::faultFlagOutlinesItsModuleUntilAStatusWithoutIt()
{
    SystemStatusWidget widget;
    const SystemConfig config = configWith({Zrb, Zrc, Krt24});
    QList<bool> flags(11, false);
    flags[1] = true;

    widget.update(config, flags);
    QCOMPARE(button(widget, 2)->styleSheet(),
             SystemStatusWidget::styleSheet(SystemStatusWidget::ButtonStyle::Kind1) + FaultMark);
    QVERIFY(!button(widget, 1)->styleSheet().contains(FaultMark));
    QVERIFY(!button(widget, 3)->styleSheet().contains(FaultMark));

    flags[1] = false;
    widget.update(config, flags);
    QVERIFY(!button(widget, 2)->styleSheet().contains(FaultMark));

    flags[1] = true;
    widget.update(config, flags);
    widget.update(config); // no flags known
    QVERIFY(!button(widget, 2)->styleSheet().contains(FaultMark));
}

void TestSystemStatusWidget::clickedModuleIsReportedByIndex()
{
    SystemStatusWidget widget;
    QList<bool> flags(11, false);
    flags[1] = true;
    widget.update(configWith({Zrb, Zrc}), flags);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QSignalSpy activated(&widget, &SystemStatusWidget::moduleSettingsActivate);
    const QString flaggedStyle = button(widget, 2)->styleSheet();

    QTest::mouseClick(button(widget, 2), Qt::LeftButton);
    QTest::mouseClick(button(widget, 3), Qt::LeftButton); // empty slot
    QTest::mouseClick(button(widget, 1), Qt::LeftButton);

    QCOMPARE(button(widget, 2)->styleSheet(), flaggedStyle); // back from the pressed look
    QCOMPARE(activated.count(), 2);
    QCOMPARE(activated.at(0).at(0).toInt(), 1);
    QCOMPARE(activated.at(1).at(0).toInt(), 0);
}

void TestSystemStatusWidget::lineJoinsTheButtons()
{
    SystemStatusWidget widget;
    widget.resize(300, 44);

    const QImage image = widget.grab().toImage();

    for (int gapX : {85, 155, 225}) {
        QCOMPARE(image.pixelColor(gapX, 20), QColor(Qt::black));
        QVERIFY(image.pixelColor(gapX, 30) != QColor(Qt::black));
    }
    QVERIFY(image.pixelColor(10, 20) != QColor(Qt::black));
    QVERIFY(image.pixelColor(295, 20) != QColor(Qt::black));
}

CVO_TEST_MAIN(TestSystemStatusWidget)
#include "tst_systemstatuswidget.moc"
