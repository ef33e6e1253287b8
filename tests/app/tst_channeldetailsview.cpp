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

// `modules` modules of `code` with channel 2 switched off.
SystemConfig modulesWithChannel2Off(int modules, quint8 samplingInterval = 10,
                                    quint32 code = 0x01000001)
{
    SystemConfig config;
    for (int i = 0; i < modules; ++i)
        config.addModule(code);
    config.setSamplingInterval(samplingInterval);
    config.channelAt(2)->setEnabled(false);
    return config;
}

template <typename T = QLineEdit> T* row(QWidget& view, const char* kind, int channel)
{
    return view.findChild<T*>(QString::fromLatin1(kind) + QString::number(channel));
}

// Peak and integral of a row, as shown.
QStringList values(QWidget& view, int channel)
{
    return {row(view, "peakField", channel)->text(), row(view, "integralField", channel)->text()};
}

QCheckBox* visibleBox(QWidget& view, int channel)
{
    return row<QCheckBox>(view, "visibleCheckBox", channel);
}

QString buttonStyle(QWidget& view, int channel)
{
    return row<QPushButton>(view, "colorButton", channel)->styleSheet();
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

} // namespace

class TestChannelDetailsView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        AppSettings().clear();
        QVERIFY(AppSettings::initialise());
    }

    void cleanup() { UserPrompt::setColorHandler({}); }

    void rowsListEnabledChannelsWithTheirStoredDisplay()
    {
        ChannelDisplaySettings display;
        display.setColor(1, QColor(255, 0, 0));
        display.setVisible(3, false);
        QVERIFY(display.sync());
        SystemConfig config = modulesWithChannel2Off(2);
        config.channelAt(1)->setTitle("Gate");
        ChannelDetailsView view;

        view.rebuild(config);

        QCOMPARE(view.rowChannels(), QList<int>({0, 1, 3, 4, 5, 6, 7}));
        QCOMPARE(row<QLabel>(view, "channelLabel", 1)->text(), "2:Gate");
        QCOMPARE(buttonStyle(view, 1), ChannelDetailsView::colorButtonStyle(QColor(255, 0, 0)));
        QVERIFY(visibleBox(view, 1)->isChecked());
        QVERIFY(!visibleBox(view, 3)->isChecked());
        QVERIFY(!row(view, "peakField", 3)->isEnabled());
        view.rebuild(modulesWithChannel2Off(1));
        QCOMPARE(view.rowChannels(), QList<int>({0, 1, 3}));
        QCOMPARE(view.findChildren<QLineEdit*>().size(), 6);
    }

    // Peak with one decimal, integral as sum x sampling interval (ms) / 1000; a hidden
    // row is cleared and stays empty.
    void valuesAreShownOnlyInRowsOfShownChannels()
    {
        ChannelDetailsView view;
        view.rebuild(modulesWithChannel2Off(1, 5));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy visibility(&view, &ChannelDetailsView::plotVisibilityChanged);
        view.setValues(0, 99.96, 2345.6);
        view.setValues(1, 20.0, 200.0);
        QCOMPARE(values(view, 0), QStringList({"100.0", "12"}));

        QTest::mouseClick(visibleBox(view, 1), Qt::LeftButton);

        QCOMPARE(visibility.count(), 1);
        QVERIFY(!stored(1).visible);
        QVERIFY(stored(0).visible && stored(2).visible);
        QCOMPARE(storedEntryCount(), AppSettings::ChannelDisplayCount);
        QCOMPARE(values(view, 1), QStringList({"", ""}));
        view.setValues(1, 21.0, 300.0);
        view.setIntegral(1, 5.0);
        view.setIntegral(0, 1234.6);
        QCOMPARE(values(view, 0), QStringList({"100.0", "1235"}));
        view.clearValues();
        QCOMPARE(values(view, 1), QStringList({"", ""}));
        QCOMPARE(values(view, 0), QStringList({"0.0", "0"}));
    }

    // Eleven eight-channel modules give more channels than the store's 40 entries.
    void channelsBeyondTheStoredEntriesAreStoredOneByOneAndWithShiftAll()
    {
        ChannelDetailsView view;
        view.rebuild(modulesWithChannel2Off(SystemConfig::MaxModules, 10, 0x11000001));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.rowChannels().size(), 87);
        QVERIFY(visibleBox(view, 50)->isChecked());
        QCOMPARE(buttonStyle(view, 50),
                 ChannelDetailsView::colorButtonStyle(AppSettings::defaultChannelColor(50)));

        QTest::mouseClick(visibleBox(view, 50), Qt::LeftButton);
        QVERIFY(!stored(50).visible);
        QVERIFY(stored(39).visible && stored(49).visible);
        QCOMPARE(storedEntryCount(), 51);

        view.setValues(5, 10.0, 100.0);
        for (bool visible : {false, true}) {
            QTest::mouseClick(visibleBox(view, visible ? 6 : 0), Qt::LeftButton, Qt::ShiftModifier);
            for (int channel = 0; channel < 88; ++channel)
                QCOMPARE(stored(channel).visible, visible);
            for (int channel : view.rowChannels())
                QCOMPARE(visibleBox(view, channel)->isChecked(), visible);
            QCOMPARE(values(view, 5), QStringList({"", ""}));
        }
        QCOMPARE(storedEntryCount(), 88);
    }

    void chosenColourIsStoredAndShownEvenWhenTheRowsAreRebuiltMeanwhile()
    {
        ChannelDetailsView view;
        view.rebuild(modulesWithChannel2Off(2));
        QSignalSpy colour(&view, &ChannelDetailsView::plotColorChanged);
        // A configuration re-read while the colour dialog is open, now with channel 2 on:
        // channel 5 moves down a row.
        SystemConfig reread = modulesWithChannel2Off(2);
        reread.channelAt(2)->setEnabled(true);
        const QColor chosen(200, 100, 0);
        QColor answer = chosen;
        QList<QColor> offered;
        UserPrompt::setColorHandler([&](const UserPrompt::ColorRequest& request) {
            offered << request.initial;
            view.rebuild(reread);
            return answer;
        });

        row<QPushButton>(view, "colorButton", 5)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QCOMPARE(offered, QList<QColor>{AppSettings::defaultChannelColor(5)});
        QCOMPARE(colour.count(), 1);
        QCOMPARE(stored(5).color, chosen);
        QCOMPARE(storedEntryCount(), AppSettings::ChannelDisplayCount);
        QCOMPARE(view.findChildren<QPushButton*>("colorButton5").size(), 1);
        QCOMPARE(buttonStyle(view, 5), ChannelDetailsView::colorButtonStyle(chosen));
        QCOMPARE(buttonStyle(view, 4),
                 ChannelDetailsView::colorButtonStyle(AppSettings::defaultChannelColor(4)));

        answer = QColor(); // cancelled
        row<QPushButton>(view, "colorButton", 5)->click();
        QCOMPARE(offered.last(), chosen);
        QCOMPARE(colour.count(), 1);
        QCOMPARE(stored(5).color, chosen);
        QCOMPARE(buttonStyle(view, 5), ChannelDetailsView::colorButtonStyle(chosen));
    }

    void focusHighlightMovesWithSelectionAndSurvivesRebuild()
    {
        ChannelDetailsView view;
        view.rebuild(modulesWithChannel2Off(2));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy focus(&view, &ChannelDetailsView::focusChannelChanged);
        auto highlighted = [&view](int channel) {
            return row<ChannelDetailsLabel>(view, "channelLabel", channel)->isHighlighted();
        };
        QVERIFY(highlighted(0));

        QTest::mouseClick(row<ChannelDetailsLabel>(view, "channelLabel", 4), Qt::LeftButton);
        view.rebuild(modulesWithChannel2Off(2));

        QCOMPARE(focus.count(), 1);
        QCOMPARE(focus.at(0).at(0).value<quint8>(), quint8(4));
        QVERIFY(highlighted(4) && !highlighted(0));
    }
};

CVO_TEST_MAIN(TestChannelDetailsView)
#include "tst_channeldetailsview.moc"
