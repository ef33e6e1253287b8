#include "AppSettings.h"
#include "ChannelDetailsLabel.h"
#include "ChannelDetailsView.h"
#include "ChannelDisplaySettings.h"
#include "SystemConfig.h"
#include "TestMain.h"
#include "UserPrompt.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

namespace {

// `modules` four-channel modules with channel 2 switched off.
SystemConfig fourChannelModules(int modules, quint8 samplingInterval = 10)
{
    SystemConfig config;
    for (int i = 0; i < modules; ++i) {
        config.addModule(0x01000001);
    }
    config.setSamplingInterval(samplingInterval);
    config.channelAt(2)->setEnabled(false);
    return config;
}

template <typename T = QLineEdit> T* row(QWidget& view, const char* kind, int channel)
{
    return view.findChild<T*>(QString::fromLatin1(kind) + QString::number(channel));
}

QString peak(QWidget& view, int channel)
{
    return row(view, "peakField", channel)->text();
}
QString integral(QWidget& view, int channel)
{
    return row(view, "integralField", channel)->text();
}
QCheckBox* visibleBox(QWidget& view, int channel)
{
    return row<QCheckBox>(view, "visibleCheckBox", channel);
}
QPushButton* colorButton(QWidget& view, int channel)
{
    return row<QPushButton>(view, "colorButton", channel);
}

ChannelDisplaySettings::Entry stored(int channel)
{
    return ChannelDisplaySettings().entry(channel);
}

int storedEntryCount()
{
    AppSettings settings;
    const int count = settings.beginReadArray("channelDisplay");
    settings.endArray();
    return count;
}

void showAndWait(QWidget& view)
{
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
}

} // namespace

class TestChannelDetailsView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void rowsListEnabledChannelsWithTheirStoredDisplay();
    void valuesAreFormattedFromPeakSumAndInterval_data();
    void valuesAreFormattedFromPeakSumAndInterval();
    void hidingAChannelClearsAndStopsOnlyItsValues();
    void shiftClickHidesAndShowsAllFortyEntries();
    void channelsBeyondTheStoredEntriesGetDefaultsAndKeepTheArrayWhole();
    void chosenColourIsStoredShownAndAnnouncedCancelChangesNothing();
    void rowsRebuiltDuringTheColourChoiceShowTheChosenColour();
    void focusHighlightMovesWithSelectionAndSurvivesRebuild();

private:
    QList<UserPrompt::ColorRequest> m_colorRequests;
    QColor m_colorAnswer;
};

void TestChannelDetailsView::init()
{
    AppSettings().clear();
    QVERIFY(AppSettings::initialise());
    m_colorRequests.clear();
    UserPrompt::setColorHandler([this](const UserPrompt::ColorRequest& request) {
        m_colorRequests.append(request);
        return m_colorAnswer;
    });
}

void TestChannelDetailsView::cleanup()
{
    UserPrompt::setColorHandler({});
}

void TestChannelDetailsView::rowsListEnabledChannelsWithTheirStoredDisplay()
{
    ChannelDisplaySettings display;
    display.setColor(1, QColor(255, 0, 0));
    display.setVisible(3, false);
    QVERIFY(display.sync());
    SystemConfig config = fourChannelModules(2);
    config.channelAt(1)->setTitle("Gate");
    ChannelDetailsView view;

    view.rebuild(config);

    QCOMPARE(view.rowChannels(), QList<int>({0, 1, 3, 4, 5, 6, 7}));
    QVERIFY(!row(view, "peakField", 2));
    QCOMPARE(row<QLabel>(view, "channelLabel", 1)->text(), "2:Gate");
    QCOMPARE(row<QLabel>(view, "channelLabel", 4)->text(), "5:MOD-2 CH-1");
    QCOMPARE(colorButton(view, 1)->styleSheet(),
             "QPushButton { border-radius: 0px; background-color: rgb( 255, 0, 0 );} "
             "QPushButton:checked { background-color: rgb( 255, 0, 0 );} "
             "QPushButton:pressed { background-color: rgb( 255, 0, 0 );} "
             "QPushButton:default { background-color: rgb( 255, 0, 0 );}");
    QVERIFY(visibleBox(view, 1)->isChecked());
    QVERIFY(!visibleBox(view, 3)->isChecked());
    QVERIFY(!row(view, "peakField", 3)->isEnabled());
    QCOMPARE(peak(view, 0), "0");
    QCOMPARE(integral(view, 0), "0");
    view.rebuild(fourChannelModules(1));
    QCOMPARE(view.rowChannels(), QList<int>({0, 1, 3}));
    QCOMPARE(view.findChildren<QLineEdit*>().size(), 6);
}

void TestChannelDetailsView::valuesAreFormattedFromPeakSumAndInterval_data()
{
    QTest::addColumn<int>("interval");
    QTest::addColumn<double>("peakValue");
    QTest::addColumn<double>("sum");
    QTest::addColumn<QString>("peakText");
    QTest::addColumn<QString>("integralText");
    QTest::newRow("1 ms") << 1 << 12.34 << 23456.0 << "12.3"
                          << "23";
    QTest::newRow("5 ms") << 5 << 0.04 << 2345.6 << "0.0"
                          << "12";
    QTest::newRow("10 ms") << 10 << 99.96 << 2345.6 << "100.0"
                           << "23";
    QTest::newRow("20 ms") << 20 << 150.0 << 2345.6 << "150.0"
                           << "47";
}

void TestChannelDetailsView::valuesAreFormattedFromPeakSumAndInterval()
{
    QFETCH(int, interval);
    QFETCH(double, peakValue);
    QFETCH(double, sum);
    ChannelDetailsView view;
    view.rebuild(fourChannelModules(1, quint8(interval)));

    view.setValues(1, peakValue, sum);
    QTEST(peak(view, 1), "peakText");
    QTEST(integral(view, 1), "integralText");

    view.setIntegral(1, 1234.6);
    QCOMPARE(integral(view, 1), "1235");

    view.clearValues();
    QCOMPARE(peak(view, 1), "0.0");
    QCOMPARE(integral(view, 1), "0");
}

void TestChannelDetailsView::hidingAChannelClearsAndStopsOnlyItsValues()
{
    ChannelDetailsView view;
    view.rebuild(fourChannelModules(1));
    showAndWait(view);
    QSignalSpy visibility(&view, &ChannelDetailsView::plotVisibilityChanged);
    view.setValues(0, 10.0, 100.0);
    view.setValues(1, 20.0, 200.0);
    view.setValues(2, 30.0, 300.0); // switched off: no row

    QTest::mouseClick(visibleBox(view, 1), Qt::LeftButton);

    QCOMPARE(visibility.count(), 1);
    QVERIFY(!stored(1).visible);
    QVERIFY(stored(0).visible && stored(2).visible && stored(39).visible);
    QCOMPARE(peak(view, 1), "");
    QCOMPARE(integral(view, 1), "");
    QVERIFY(!row(view, "peakField", 1)->isEnabled());
    QCOMPARE(peak(view, 0), "10.0");

    view.setValues(1, 21.0, 300.0);
    view.setIntegral(1, 5.0);
    view.clearValues();
    view.setValues(0, 12.0, 400.0);
    QCOMPARE(peak(view, 0), "12.0");
    QCOMPARE(integral(view, 0), "4");
    QCOMPARE(peak(view, 1), "");
    QCOMPARE(integral(view, 1), "");

    QTest::mouseClick(visibleBox(view, 1), Qt::LeftButton);
    QVERIFY(stored(1).visible);
    view.setValues(1, 22.0, 500.0);
    QCOMPARE(peak(view, 1), "22.0");
    QCOMPARE(storedEntryCount(), AppSettings::ChannelDisplayCount);
}

void TestChannelDetailsView::shiftClickHidesAndShowsAllFortyEntries()
{
    ChannelDetailsView view;
    view.rebuild(fourChannelModules(2));
    showAndWait(view);
    QSignalSpy visibility(&view, &ChannelDetailsView::plotVisibilityChanged);
    view.setValues(5, 10.0, 100.0);

    for (bool visible : {false, true}) {
        QTest::mouseClick(visibleBox(view, visible ? 6 : 0), Qt::LeftButton, Qt::ShiftModifier);

        for (int channel = 0; channel < AppSettings::ChannelDisplayCount; ++channel) {
            QCOMPARE(stored(channel).visible, visible);
        }
        for (int channel : view.rowChannels()) {
            QCOMPARE(visibleBox(view, channel)->isChecked(), visible);
            QCOMPARE(row(view, "peakField", channel)->isEnabled(), visible);
        }
        QCOMPARE(peak(view, 5), "");
    }
    QCOMPARE(visibility.count(), 2);
    QCOMPARE(storedEntryCount(), AppSettings::ChannelDisplayCount);
}

void TestChannelDetailsView::channelsBeyondTheStoredEntriesGetDefaultsAndKeepTheArrayWhole()
{
    SystemConfig config;
    for (int i = 0; i < SystemConfig::MaxModules; ++i) {
        config.addModule(0x11000001); // eight channels each
    }
    ChannelDetailsView view;
    view.rebuild(config);
    showAndWait(view);
    QCOMPARE(view.rowChannels().size(), 88);
    QVERIFY(visibleBox(view, 50)->isChecked());
    QCOMPARE(colorButton(view, 50)->styleSheet(),
             ChannelDetailsView::colorButtonStyle(AppSettings::defaultChannelColor(50)));

    QTest::mouseClick(visibleBox(view, 50), Qt::LeftButton);
    QVERIFY(!stored(50).visible);
    QVERIFY(stored(39).visible);
    QCOMPARE(storedEntryCount(), 51);

    QTest::mouseClick(visibleBox(view, 3), Qt::LeftButton, Qt::ShiftModifier);
    QVERIFY(!stored(87).visible);
    QCOMPARE(storedEntryCount(), 88);
}

void TestChannelDetailsView::chosenColourIsStoredShownAndAnnouncedCancelChangesNothing()
{
    ChannelDetailsView view;
    view.rebuild(fourChannelModules(1));
    QSignalSpy colour(&view, &ChannelDetailsView::plotColorChanged);
    m_colorAnswer = QColor(10, 20, 30);

    colorButton(view, 3)->click();

    QCOMPARE(m_colorRequests.size(), 1);
    QCOMPARE(m_colorRequests.at(0).title, "Choose plot color for channel 4");
    QCOMPARE(m_colorRequests.at(0).initial, AppSettings::defaultChannelColor(3));
    QCOMPARE(colour.count(), 1);
    QCOMPARE(stored(3).color, QColor(10, 20, 30));
    QCOMPARE(colorButton(view, 3)->styleSheet(),
             ChannelDetailsView::colorButtonStyle(QColor(10, 20, 30)));
    QCOMPARE(storedEntryCount(), AppSettings::ChannelDisplayCount);

    m_colorAnswer = QColor(); // cancelled
    colorButton(view, 3)->click();

    QCOMPARE(m_colorRequests.at(1).initial, QColor(10, 20, 30));
    QCOMPARE(colour.count(), 1);
    QCOMPARE(stored(3).color, QColor(10, 20, 30));
    QCOMPARE(colorButton(view, 3)->styleSheet(),
             ChannelDetailsView::colorButtonStyle(QColor(10, 20, 30)));
}

void TestChannelDetailsView::rowsRebuiltDuringTheColourChoiceShowTheChosenColour()
{
    ChannelDetailsView view;
    view.rebuild(fourChannelModules(2));
    // A configuration re-read while the colour dialog is open, now with channel 2 on:
    // channel 5 moves down a row.
    SystemConfig reread = fourChannelModules(2);
    reread.channelAt(2)->setEnabled(true);
    UserPrompt::setColorHandler([&view, &reread](const UserPrompt::ColorRequest&) {
        view.rebuild(reread);
        return QColor(200, 100, 0);
    });

    colorButton(view, 5)->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(stored(5).color, QColor(200, 100, 0));
    QCOMPARE(view.findChildren<QPushButton*>("colorButton5").size(), 1);
    QCOMPARE(colorButton(view, 5)->styleSheet(),
             ChannelDetailsView::colorButtonStyle(QColor(200, 100, 0)));
    QCOMPARE(colorButton(view, 4)->styleSheet(),
             ChannelDetailsView::colorButtonStyle(AppSettings::defaultChannelColor(4)));
}

void TestChannelDetailsView::focusHighlightMovesWithSelectionAndSurvivesRebuild()
{
    ChannelDetailsView view;
    view.rebuild(fourChannelModules(2));
    showAndWait(view);
    QSignalSpy focus(&view, &ChannelDetailsView::focusChannelChanged);
    auto label = [&view](int channel) {
        return row<ChannelDetailsLabel>(view, "channelLabel", channel);
    };

    view.setFocusChannel(1);
    QVERIFY(label(1)->isHighlighted());
    QTest::mouseClick(label(4), Qt::LeftButton);

    QCOMPARE(focus.count(), 1);
    QCOMPARE(focus.at(0).at(0).value<quint8>(), quint8(4));
    QVERIFY(label(4)->isHighlighted());
    QVERIFY(!label(1)->isHighlighted());
    QCOMPARE(label(1)->styleSheet(),
             "margin: 1px; border: 0px solid; border-color: palette(label); border-radius: 8px; "
             "background-color: palette(label);");

    view.rebuild(fourChannelModules(2));
    QVERIFY(label(4)->isHighlighted());
    QVERIFY(!label(0)->isHighlighted());
}

CVO_TEST_MAIN(TestChannelDetailsView)
#include "tst_channeldetailsview.moc"
