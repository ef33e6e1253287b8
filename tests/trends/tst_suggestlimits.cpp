// "Suggest limits" on the editor's channel page: the channel keeps its limits when the
// preview is cancelled and takes the proposal when it is applied.

#include "ChannelConfig.h"
#include "ChannelSettingsWidget.h"
#include "LimitSuggestionDialog.h"
#include "ShotLogFormat.h"
#include "SystemConfig.h"
#include "TestMain.h"

#include <QDir>
#include <QPushButton>
#include <QSignalSpy>

#include <cmath>

class TestSuggestLimits : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void proposalReachesTheChannelOnlyWhenApplied()
    {
        // Value at point 15 with σ = √0.8 over six OK shots of CH1.
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkpath("2026-05"));
        QFile log(folder.path() + "/2026-05/log_MOLD_260510p.csv");
        QVERIFY(log.open(QIODevice::WriteOnly));
        const QDateTime time(QDate(2026, 5, 10), QTime(12, 0));
        log.write(ShotLogFormat::header(time, "CVO Manager started.", 8).toUtf8());
        for (float value : {14.0f, 16.0f, 14.0f, 16.0f, 15.0f, 15.0f}) {
            ShotLogFormat::Shot shot{time, 1000, 1, {}};
            shot.channels.fill({true, 0, 20, 1, value, 20, 100, 50, 1}, 8);
            log.write(ShotLogFormat::line(shot).toUtf8());
        }
        log.close();

        SystemConfig config;
        config.addModule(0x11000001);
        ChannelConfig* channel = config.channelAt(0);
        const ChannelConfig before = *channel;
        ChannelSettingsWidget page;
        page.setSystemConfig(&config);
        page.setChannel(channel, 0, 0);
        page.setSettingsName("MOLD");
        page.setShotLogFolder(folder.path());

        for (bool apply : {false, true}) {
            page.findChild<QPushButton*>("suggestLimitsButton")->click();
            auto* dialog = page.findChild<LimitSuggestionDialog*>();
            QVERIFY(dialog);
            QSignalSpy shown(dialog, &LimitSuggestionDialog::suggestionShown);
            QVERIFY(shown.wait(5000));
            QCOMPARE(dialog->suggestion().shotNumbers().size(), 6);
            apply ? dialog->accept() : dialog->reject();
            QTRY_VERIFY_WITH_TIMEOUT(!page.findChild<LimitSuggestionDialog*>(), 5000);
            if (!apply)
                QVERIFY(*channel == before);
        }
        const double spread = 4.5 * std::sqrt(0.8);
        QCOMPARE(channel->point().lower,
                 quint16(std::floor((15 - spread) / channel->valueScale())));
        QCOMPARE(channel->point().upper, quint16(std::ceil((15 + spread) / channel->valueScale())));
        QCOMPARE(channel->zone1(), before.zone1());
    }
};

CVO_TEST_MAIN(TestSuggestLimits)
#include "tst_suggestlimits.moc"
