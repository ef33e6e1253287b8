// Shot summaries through a real broker: what arrives for the simulator's shots, in what
// order across the broker's absence and a restart of the manager, and a refused login.

#include "AppSettings.h"
#include "BrokerFixture.h"
#include "MachineStandIn.h"
#include "MainWindow.h"
#include "MqttPublisher.h"
#include "PublishQueue.h"
#include "SimulatorTestSupport.h"
#include "TestMain.h"
#include "UserPrompt.h"

#include <QDir>
#include <QJsonArray>
#include <QLabel>

namespace {

constexpr int TimeoutMs = 15000;

QString brokerAddress(int n)
{
    return QStringLiteral("127.0.180.%1").arg(n);
}

QStringList schemaRequired(const char* pointer)
{
    QFile file(QStringLiteral(CVO_SOURCE_DIR "/docs/shot-summary.schema.json"));
    file.open(QIODevice::ReadOnly);
    QJsonObject node = QJsonDocument::fromJson(file.readAll()).object();
    for (const QString& step : QString::fromLatin1(pointer).split('/', Qt::SkipEmptyParts))
        node = node.value(step).toObject();
    QStringList keys;
    for (const QJsonValue& key : node.value("required").toArray())
        keys.append(key.toString());
    return keys;
}

} // namespace

class TestPublish : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        UserPrompt::setMessageHandler([](const UserPrompt::Message&) { return QMessageBox::Ok; });
        AppSettings().clear();
    }

    void cleanup()
    {
        m_window.reset();
        UserPrompt::setMessageHandler({});
        resetFirmwareType();
    }

    void simulatorShotsArriveWithTheSchemasFields()
    {
        Broker broker(brokerAddress(1));
        QVERIFY(broker.start());
        Subscriber subscriber(broker, "cvo/line1/#");
        QTRY_VERIFY_WITH_TIMEOUT(subscriber.subscribed(), TimeoutMs);
        QTemporaryDir portFolder;
        MachineOptions machineOptions;
        machineOptions.linkPath = portFolder.path() + "/machine";
        MachineStandIn machine(machineOptions);
        QVERIFY(machine.start());
        AppSettings().setValue("moldMachineSerialPort", machineOptions.linkPath);
        QFile table(QDir::homePath() + "/CVO_Settings/Mold_Machine.csv");
        QVERIFY(QDir().mkpath(QDir::homePath() + "/CVO_Settings") &&
                table.open(QIODevice::WriteOnly));
        table.write("SHOT,Machine shot\n");
        table.close();

        startWindow(1, broker, {});
        QTRY_VERIFY_WITH_TIMEOUT(subscriber.payloads("cvo/line1/shot").size() >= 2, TimeoutMs);
        const QJsonObject first = subscriber.json("cvo/line1/shot", 0);
        const QJsonObject second = subscriber.json("cvo/line1/shot", 1);
        for (const QString& key : schemaRequired(""))
            QVERIFY2(first.contains(key), qPrintable(key));
        const QJsonArray channels = first.value("channels").toArray();
        QCOMPARE(channels.size(), 8);
        for (const QString& key : schemaRequired("properties/channels/items"))
            QVERIFY2(channels.at(0).toObject().contains(key), qPrintable(key));
        QCOMPARE(first.value("station").toString(), QStringLiteral("line1"));
        QCOMPARE(first.value("settings").toString(), QStringLiteral("PUB"));
        QCOMPARE(second.value("shot").toInt(), first.value("shot").toInt() + 1);
        QVERIFY(
            QDateTime::fromString(first.value("pcTime").toString(), Qt::ISODateWithMs).isValid());
        const bool ng = first.value("verdict").toString() == "NG";
        QCOMPARE(first.value("result").toString(),
                 ng ? QStringLiteral("BAD") : QStringLiteral("GOOD"));
        // A shot whose next one starts before the machine has answered goes without answers.
        const auto answered = [&] {
            for (const QByteArray& payload : subscriber.payloads("cvo/line1/shot")) {
                const QJsonValue answer =
                    QJsonDocument::fromJson(payload).object().value("machine").toArray().at(0);
                if (answer.toObject().value("reply") == QJsonValue("15234"))
                    return answer.toObject().value("id") == QJsonValue("SHOT");
            }
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(answered(), TimeoutMs);
        const QJsonObject status = subscriber.json("cvo/line1/status", 0);
        QCOMPARE(status.value("state").toString(), QStringLiteral("online"));
        QCOMPARE(status.value("mode").toString(), QStringLiteral("monitor"));
        QTRY_COMPARE_WITH_TIMEOUT(subscriber.json("cvo/line1/status", 1).value("dataLink"),
                                  QJsonValue("up"), TimeoutMs);
        machine.stop();
    }

    void everySummaryOnceAndInOrder_data()
    {
        QTest::addColumn<bool>("restartManager");
        QTest::newRow("broker back") << false;
        QTest::newRow("manager restarted meanwhile") << true;
    }

    void everySummaryOnceAndInOrder()
    {
        QFETCH(bool, restartManager);
        Broker broker(brokerAddress(restartManager ? 3 : 2));
        QVERIFY(broker.start());
        Subscriber subscriber(broker, "cvo/st/shot");
        QTRY_VERIFY_WITH_TIMEOUT(subscriber.subscribed(), TimeoutMs);
        PublishSettings settings;
        settings.host = broker.address();
        settings.port = Broker::port();
        settings.station = "st";
        QTemporaryDir folder;
        auto publisher = std::make_unique<MqttPublisher>(settings, folder.filePath("queue.db"));
        publisher->setRetryInterval(200);
        publisher->start();
        QList<QByteArray> sent;
        const auto publish = [&](int from, int to) {
            for (int n = from; n <= to; ++n)
                publisher->publishShot(sent.emplaceBack(QByteArray::number(n)));
        };
        publish(1, 3);
        QTRY_COMPARE_WITH_TIMEOUT(subscriber.payloads("cvo/st/shot").size(), 3, TimeoutMs);
        // Acknowledged before the broker goes: an unacknowledged one is rightly sent again.
        QTRY_COMPARE_WITH_TIMEOUT(publisher->queuedCount(), 0, TimeoutMs);

        broker.stop();
        QTRY_COMPARE_WITH_TIMEOUT(publisher->state(), MqttPublisher::State::Unreachable, TimeoutMs);
        publish(4, 40);
        QTRY_COMPARE_WITH_TIMEOUT(publisher->queuedCount(), 37, TimeoutMs);
        if (restartManager) {
            publisher = std::make_unique<MqttPublisher>(settings, folder.filePath("queue.db"));
            publisher->setRetryInterval(200);
            publisher->start();
        }
        QVERIFY(broker.start());
        QTRY_COMPARE_WITH_TIMEOUT(publisher->queuedCount(), 0, TimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(subscriber.payloads("cvo/st/shot").size(), 40, TimeoutMs);
        QCOMPARE(subscriber.payloads("cvo/st/shot").join(' '), sent.join(' '));
    }

    void wrongPasswordIsShownAndShotsStillRecorded()
    {
        Broker broker(brokerAddress(4), "cvo", "right");
        QVERIFY(broker.start());
        startWindow(4, broker, "not-the-password");
        auto* label = m_window->findChild<QLabel*>("publishStatusLabel");
        QTRY_VERIFY_WITH_TIMEOUT(label->toolTip().contains("refused"), TimeoutMs);
        QVERIFY(label->styleSheet().contains("red"));
        QTRY_VERIFY_WITH_TIMEOUT(m_window->publisher()->queuedCount() >= 1, TimeoutMs);
        const auto shotLogs = [this] {
            QStringList found;
            const QDir data(m_window->dataFolder());
            for (const QString& day : data.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
                found += QDir(data.filePath(day)).entryList({"log_PUB_*"});
            return found;
        };
        QTRY_VERIFY_WITH_TIMEOUT(!shotLogs().isEmpty(), TimeoutMs);
        // The settings file holds the password: its owner's only.
        QCOMPARE(QFile::permissions(AppSettings().fileName()).toInt() & 0x0077, 0);
    }

    void fullQueueDropsTheOldest()
    {
        QTemporaryDir folder;
        PublishQueue queue(folder.filePath("q.db"), 3);
        QVERIFY(queue.open());
        for (const char* payload : {"1", "2", "3", "4"})
            queue.append(payload);
        QCOMPARE(queue.append("5"), 1);
        QCOMPARE(queue.size(), 3);
        const auto entries = queue.next(0, 10);
        QCOMPARE(entries.first().payload, QByteArray("3"));
        QCOMPARE(entries.last().payload, QByteArray("5"));
    }

private:
    void startWindow(int n, const Broker& broker, const QString& password)
    {
        SimulatorOptions options = SimTest::fastUnit(QHostAddress(brokerAddress(100 + n)));
        options.config.setName("PUB");
        options.speed = 1; // the machine answers before the next shot
        m_unit = std::make_unique<SimulatorThread>(options);
        QVERIFY(m_unit->startAndWait());
        AppSettings settings;
        settings.setValue("deviceIPAddress", options.address.toIPv4Address());
        settings.setValue(SettingKey::PublishEnabled, true);
        settings.setValue(SettingKey::PublishHost, broker.address());
        settings.setValue(SettingKey::PublishPort, Broker::port());
        settings.setValue(SettingKey::PublishStation, "line1");
        settings.setValue(SettingKey::PublishUser, password.isEmpty() ? "" : "cvo");
        settings.setValue(SettingKey::PublishPassword, password);
        settings.sync();
        m_window = std::make_unique<MainWindow>(QStringList{"cvo-manager"});
        m_window->setQuitHandler([] { QFAIL("the application must not quit"); });
        m_window->show();
    }

    std::unique_ptr<SimulatorThread> m_unit;
    std::unique_ptr<MainWindow> m_window;
};

CVO_TEST_MAIN(TestPublish)
#include "tst_publish.moc"
