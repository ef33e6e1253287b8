#include "AboutDialog.h"
#include "AppSettings.h"
#include "BUPacket.h"
#include "FrameBuilder.h"
#include "LoopbackPeer.h"
#include "TestMain.h"

namespace {

const QString Header = QStringLiteral("System Version\n\nCVO Manager  : 11.10.43");

// A unit on port 50000 of 127.0.32.n, where the settings store points the dialog,
// answering every request with `reply` (nothing: silence).
std::unique_ptr<LoopbackPeer> unitAnswering(int n, const QList<QByteArray>& reply)
{
    const QHostAddress address(QStringLiteral("127.0.32.%1").arg(n));
    AppSettings().setValue("deviceIPAddress", address.toIPv4Address());
    return std::make_unique<LoopbackPeer>(address, 50000,
                                          [reply](const QByteArray&) { return reply; });
}

SystemConfig modules(const QList<quint32>& codes)
{
    SystemConfig config;
    for (quint32 code : codes)
        config.addModule(code);
    return config;
}

} // namespace

class TestAboutDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(AppSettings::initialise());
        QCoreApplication::setApplicationVersion("11.10.43");
    }

    void listsEveryModuleWithTheVersionTheUnitReports()
    {
        // Module code and version word per entry: out of module order, the third module
        // missing, and the unit's own entry (always the first) carrying the first
        // module's code to prove it is never taken.
        const QList<QPair<qint32, quint32>> entries = {
            {0x03000011, 0x0B002D96U}, {0x11020345, 0xFF0A03FFU}, {0x03000011, 0x0B002B64U}};
        const QByteArray reply =
            FrameBuilder::frame(BUPacket::UnitInfo, FrameBuilder::payload([&](QDataStream& s) {
                                    s << quint8(entries.size());
                                    for (const auto& [code, version] : entries)
                                        s << code << version << quint8(0);
                                }));
        const auto unit = unitAnswering(1, {reply});
        QVERIFY(unit->listening());
        AboutDialog dialog;
        dialog.setSystemConfig(modules({0x03000011, 0x11020345, 0x01000002}));
        dialog.show();

        QCOMPARE(dialog.text(), Header + "\n1 : 03000011 : 11.00.43"
                                         "\n2 : 11020345 : 255.10.03"
                                         "\n3 : 01000002 : --.--.--");
        QCOMPARE(unit->requests().size(), 1);

        // Each show asks afresh for the configuration it was given last; nothing to
        // list, nothing to ask.
        dialog.hide();
        dialog.setSystemConfig(SystemConfig());
        dialog.show();
        QCOMPARE(dialog.text(), Header);
        QCOMPARE(unit->requests().size(), 1);
    }

    // A unit that stays silent (a refusal or no unit at all end sooner, the same way).
    void unitWithoutAnswerLeavesTheManagerVersion()
    {
        const auto unit = unitAnswering(2, {});
        QVERIFY(unit->listening());
        AboutDialog dialog;
        dialog.setStageTimeout(300);
        dialog.setSystemConfig(modules({0x03000011}));
        dialog.show();

        QCOMPARE(dialog.text(), Header);
        QCOMPARE(unit->requests().size(), 1);
    }
};

CVO_TEST_MAIN(TestAboutDialog)
#include "tst_aboutdialog.moc"
