// The trends window against the simulated unit: it opens on the shots already in the
// day's log, then grows by one point per shot that ends.

#include "AppSettings.h"
#include "FileSizeLimit.h"
#include "MainWindow.h"
#include "ShotData.h"
#include "SimulatorTestSupport.h"
#include "TestMain.h"
#include "TrendsWindow.h"
#include "UserPrompt.h"

#include <QImage>
#include <QPushButton>
#include <QSignalSpy>

namespace {

constexpr int TimeoutMs = 10000;

} // namespace

class TestTrendsLive : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void trendGrowsByOnePointPerShot()
    {
        const QHostAddress address(QStringLiteral("127.0.170.1"));
        SimulatorOptions options = SimTest::fastUnit(address);
        options.config.setName(QStringLiteral("TRENDS"));
        // A shot every 375 ms, and only the log written: enough to watch the trend grow,
        // light enough for a busy machine.
        options.speed = 4;
        SimulatorThread unit(options);
        QVERIFY(unit.startAndWait());
        UserPrompt::setMessageHandler([](const UserPrompt::Message&) { return QMessageBox::Ok; });
        QTemporaryDir settingsFolder;
        AppSettings().setValue("settingsPath", settingsFolder.path());
        AppSettings().setValue("deviceIPAddress", address.toIPv4Address());
        AppSettings().setValue(SettingKey::SaveDataTypeAllWave, false);
        AppSettings().setValue(SettingKey::SaveDataTypeAlarmWave, false);
        MainWindow window(QStringList{"cvo-manager"});
        window.setQuitHandler([] { QFAIL("the application must not quit"); });
        window.show();
        QSignalSpy logged(&window, &MainWindow::shotLogRequested);
        QTRY_VERIFY_WITH_TIMEOUT(logged.size() >= 2, TimeoutMs);

        window.findChild<QPushButton*>("trendsButton")->click();
        auto* trends = window.findChild<TrendsWindow*>();
        QVERIFY(trends && trends->isVisible());
        QSignalSpy loaded(trends, &TrendsWindow::trendLoaded);
        QVERIFY(loaded.wait(TimeoutMs));
        const qsizetype before = trends->shots().size();
        QVERIFY(before >= 1);
        QList<qsizetype> sizes;
        connect(&window, &MainWindow::shotLogRequested, this,
                [&] { sizes.append(trends->shots().size()); });
        QTRY_VERIFY_WITH_TIMEOUT(sizes.size() >= 3, TimeoutMs);
        for (qsizetype i = 0; i < sizes.size(); ++i)
            QCOMPARE(sizes[i], before + i + 1);
        QTRY_COMPARE_WITH_TIMEOUT(qsizetype(trends->pointCount()), trends->shots().size(),
                                  TimeoutMs);

        // The chart's picture, then again on a full disk: told why, the first picture whole.
        QTemporaryDir exportFolder;
        const QString png = exportFolder.filePath("trend.png");
        UserPrompt::setFileHandler([&](const UserPrompt::FileRequest&) { return png; });
        QStringList warnings;
        UserPrompt::setMessageHandler([&](const UserPrompt::Message& message) {
            warnings.append(message.text);
            return QMessageBox::Ok;
        });
        auto* exportButton = trends->findChild<QPushButton*>("exportPngButton");
        exportButton->click();
        QVERIFY(warnings.isEmpty());
        QFile first(png);
        QVERIFY(first.open(QIODevice::ReadOnly));
        const QByteArray picture = first.readAll();
        first.close();
        QVERIFY(QImage::fromData(picture, "PNG").width() > 100);
        {
            FileSizeLimit full(100);
            exportButton->click();
        }
        QCOMPARE(warnings.size(), 1);
        QVERIFY(first.open(QIODevice::ReadOnly));
        QCOMPARE(first.readAll(), picture);
        QCOMPARE(QDir(exportFolder.path()).entryList(QDir::Files).size(), 1);
        UserPrompt::setFileHandler({});
        UserPrompt::setMessageHandler({});
        resetFirmwareType();
    }
};

CVO_TEST_MAIN(TestTrendsLive)
#include "tst_trends_live.moc"
