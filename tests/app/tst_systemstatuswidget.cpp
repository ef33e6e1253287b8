#include "SystemConfig.h"
#include "SystemStatusWidget.h"
#include "TestMain.h"

#include <QPushButton>
#include <QSignalSpy>

namespace {

SystemConfig configWith(const QList<quint32>& moduleCodes)
{
    SystemConfig config;
    for (quint32 code : moduleCodes)
        config.addModule(code);
    return config;
}

} // namespace

class TestSystemStatusWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each slot follows the latest configuration and fault flags, leaving no trace of
    // a module that is gone, and only a slot with a module reports a click.
    void slotsFollowTheModulesAndTheirFaultFlags()
    {
        SystemStatusWidget widget;
        QPushButton* slot[] = {widget.findChild<QPushButton*>("moduleButton1"),
                               widget.findChild<QPushButton*>("moduleButton2"),
                               widget.findChild<QPushButton*>("moduleButton3")};
        QSignalSpy activated(&widget, &SystemStatusWidget::moduleSettingsActivate);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));

        widget.update(configWith({0x02000001, 0x11000001, 0x03000001}), {false, true, false});
        QCOMPARE(slot[0]->text(), "1\nZRB");
        QCOMPARE(slot[1]->text(), "2\nKRT24");
        QCOMPARE(slot[2]->text(), "3\nZRA");
        QVERIFY(slot[1]->styleSheet().contains(SystemStatusWidget::FaultMark));
        QVERIFY(!slot[0]->styleSheet().contains(SystemStatusWidget::FaultMark));
        QTest::mouseClick(slot[1], Qt::LeftButton);
        QVERIFY(slot[1]->styleSheet().contains(SystemStatusWidget::FaultMark)); // not "pressed"

        widget.update(configWith({0x01000001, 0x11000001})); // no flags known
        QCOMPARE(slot[0]->text(), "1\nZRC");
        QVERIFY(!slot[1]->styleSheet().contains(SystemStatusWidget::FaultMark));
        QCOMPARE(slot[2]->text(), "3\nNC");
        QVERIFY(!slot[2]->isEnabled());

        QTest::mouseClick(slot[2], Qt::LeftButton);
        QTest::mouseClick(slot[0], Qt::LeftButton);
        QCOMPARE(activated.count(), 2);
        QCOMPARE(activated.at(0).at(0).toInt(), 1);
        QCOMPARE(activated.at(1).at(0).toInt(), 0);
    }
};

CVO_TEST_MAIN(TestSystemStatusWidget)
#include "tst_systemstatuswidget.moc"
