// The I/O test dialog against a unit whose I/O bytes the test sets.

#include "AppSettings.h"
#include "BUPacket.h"
#include "FrameBuilder.h"
#include "IOTestDialog.h"
#include "LoopbackPeer.h"
#include "TestMain.h"
#include "UserPrompt.h"

#include <QCheckBox>
#include <QLabel>

#include <atomic>

namespace {

QHostAddress address(int n)
{
    return QHostAddress(QStringLiteral("127.0.140.%1").arg(100 + n));
}

constexpr qint32 ModuleCode = 0x01000001;
constexpr char WriteRequest = 0x01;

// The lit indicators (or checked boxes) of one row as a bit pattern, bit i for number i + 1.
template <typename Widget> int pattern(const QDialog& dialog, const char* format)
{
    int bits = 0;
    for (int i = 0; i < 5; ++i) {
        const auto* widget = dialog.findChild<Widget*>(QString::asprintf(format, i + 1));
        bool on = false;
        if constexpr (std::is_same_v<Widget, QCheckBox>)
            on = widget->isChecked();
        else
            on = widget->styleSheet().contains(QLatin1String("greenyellow"));
        bits |= on ? 1 << i : 0;
    }
    return bits;
}

} // namespace

class TestIOTestDialog : public QObject
{
    Q_OBJECT

private:
    int m_messages = 0;

private Q_SLOTS:
    void init()
    {
        m_messages = 0;
        UserPrompt::setMessageHandler([this](const UserPrompt::Message&) {
            ++m_messages;
            return QMessageBox::Ok;
        });
    }

    void mirrorsTheUnitAndWritesTheOperatorsOutputs()
    {
        std::atomic<quint8> outputs = 0x10;
        LoopbackPeer unit(address(1), 50000, [&](const QByteArray& request) {
            if (request.at(4) == WriteRequest)
                outputs = quint8(request.at(9));
            return QList<QByteArray>{
                FrameBuilder::frame(BUPacket::IoStatus, FrameBuilder::payload([&](QDataStream& s) {
                                        s << ModuleCode << outputs.load() << quint8(0x05);
                                    }))};
        });
        QVERIFY(unit.listening());
        AppSettings().setValue(SettingKey::DeviceIPAddress, address(1).toIPv4Address());
        const auto writes = [&] {
            QList<int> bytes;
            for (const QByteArray& request : unit.requests())
                if (request.at(4) == WriteRequest)
                    bytes << request.at(9);
            return bytes;
        };
        IOTestDialog dialog;
        dialog.setModuleTypeCode(ModuleCode);

        dialog.show();
        QCOMPARE(pattern<QLabel>(dialog, "in%dStatus"), 0x05);
        QCOMPARE(pattern<QLabel>(dialog, "out%dStatus"), 0x10);
        QCOMPARE(pattern<QCheckBox>(dialog, "out%dOn"), 0x10);
        QCOMPARE(writes(), QList<int>());

        dialog.findChild<QCheckBox*>("out5On")->click();
        dialog.findChild<QCheckBox*>("out1On")->click();
        dialog.findChild<QCheckBox*>("out2On")->click();
        QCOMPARE(writes(), (QList<int>{0x00, 0x01, 0x03}));
        QTRY_COMPARE_WITH_TIMEOUT(pattern<QLabel>(dialog, "out%dStatus"), 0x03, 3000);

        dialog.reject();
        dialog.findChild<QCheckBox*>("out3On")->click();
        QCOMPARE(writes().size(), 3);
    }

    void reportsAFailedPollOnceAndStopsPolling_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<bool>("listening");
        QTest::newRow("nothing listens") << 2 << false;
        QTest::newRow("unit refuses") << 3 << true;
    }

    void reportsAFailedPollOnceAndStopsPolling()
    {
        QFETCH(int, unit);
        QFETCH(bool, listening);
        std::unique_ptr<LoopbackPeer> peer;
        if (listening)
            peer = std::make_unique<LoopbackPeer>(address(unit), 50000, [](const QByteArray&) {
                return QList<QByteArray>{FrameBuilder::frame(BUPacket::Nak, QByteArray(1, 0x02))};
            });
        AppSettings().setValue(SettingKey::DeviceIPAddress, address(unit).toIPv4Address());
        IOTestDialog dialog;
        dialog.setPollInterval(20);

        dialog.show();
        QCOMPARE(m_messages, 1);
        QTest::qWait(300); // many poll intervals
        QCOMPARE(m_messages, 1);
    }
};

CVO_TEST_MAIN(TestIOTestDialog)
#include "tst_iotestdialog.moc"
