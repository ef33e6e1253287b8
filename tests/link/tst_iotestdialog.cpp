// The I/O test dialog against a unit whose I/O bytes the test sets.

#include "AppSettings.h"
#include "BUPacket.h"
#include "FrameBuilder.h"
#include "IOTestDialog.h"
#include "LoopbackPeer.h"
#include "TestMain.h"
#include "UserPrompt.h"

#include <QCheckBox>

namespace {

constexpr qint32 ModuleCode = 0x01000001;
constexpr char WriteRequest = 0x01;

// The lit indicators or checked boxes of a row as a bit pattern, bit i for number i + 1.
int pattern(const QDialog& dialog, const char* format)
{
    int bits = 0;
    for (int i = 0; i < 5; ++i) {
        auto* widget = dialog.findChild<QWidget*>(QString::asprintf(format, i + 1));
        auto* box = qobject_cast<QCheckBox*>(widget);
        if (box ? box->isChecked() : widget->styleSheet().contains("greenyellow"))
            bits |= 1 << i;
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
        const QHostAddress address(QStringLiteral("127.0.140.101"));
        // Module 0x01000001, outputs 0x10, inputs 0x05.
        const QByteArray reply =
            FrameBuilder::frame(BUPacket::IoStatus, QByteArray::fromHex("010000011005"));
        LoopbackPeer unit(address, 50000,
                          [&](const QByteArray&) { return QList<QByteArray>{reply}; });
        QVERIFY(unit.listening());
        AppSettings().setValue(SettingKey::DeviceIPAddress, address.toIPv4Address());
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
        QCOMPARE(pattern(dialog, "in%dStatus"), 0x05);
        QCOMPARE(pattern(dialog, "out%dStatus"), 0x10);
        QCOMPARE(pattern(dialog, "out%dOn"), 0x10);
        QCOMPARE(writes(), QList<int>());

        dialog.findChild<QCheckBox*>("out5On")->click();
        dialog.findChild<QCheckBox*>("out1On")->click();
        dialog.findChild<QCheckBox*>("out2On")->click();
        QCOMPARE(writes(), (QList<int>{0x00, 0x01, 0x03}));

        dialog.reject();
        dialog.findChild<QCheckBox*>("out3On")->click();
        QCOMPARE(writes().size(), 3);
    }

    void reportsAFailedPollOnceAndStopsPolling_data()
    {
        QTest::addColumn<QString>("unitAddress");
        QTest::newRow("nothing listens") << "127.0.140.102";
        QTest::newRow("unit refuses") << "127.0.140.103";
    }

    void reportsAFailedPollOnceAndStopsPolling()
    {
        QFETCH(QString, unitAddress);
        LoopbackPeer refusing(QHostAddress("127.0.140.103"), 50000, [](const QByteArray&) {
            return QList<QByteArray>{FrameBuilder::frame(BUPacket::Nak, QByteArray(1, 0x02))};
        });
        AppSettings().setValue(SettingKey::DeviceIPAddress,
                               QHostAddress(unitAddress).toIPv4Address());
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
