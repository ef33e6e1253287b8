#include "AboutDialog.h"
#include "AppSettings.h"
#include "BUPacket.h"
#include "FrameBuilder.h"
#include "LoopbackPeer.h"
#include "TestMain.h"

namespace {

const QString Header = QStringLiteral("System Version\n\nCVO Manager  : 11.10.43");
using Entries = QList<QPair<qint32, quint32>>; // module code, version word

// The dialog's control port takes the unit's address from the settings store.
QHostAddress pointSettingsAt(int n)
{
    const QHostAddress address(QStringLiteral("127.0.32.%1").arg(n));
    AppSettings().setValue("deviceIPAddress", address.toIPv4Address());
    return address;
}

// A unit on port 50000 answering the module list request with these entries.
std::unique_ptr<LoopbackPeer> unitReporting(int n, const Entries& entries)
{
    const QByteArray reply =
        FrameBuilder::frame(BUPacket::UnitInfo, FrameBuilder::payload([&](QDataStream& s) {
                                s << quint8(entries.size());
                                for (const auto& [code, version] : entries)
                                    s << code << version << quint8(0);
                            }));
    return std::make_unique<LoopbackPeer>(
        pointSettingsAt(n), 50000, [reply](const QByteArray&) { return QList<QByteArray>{reply}; });
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
    void initTestCase();
    void listsEveryModuleWithTheVersionTheUnitReports();
    void asksTheUnitOncePerShowForTheLatestConfiguration();
    void unitWithoutUsableAnswerLeavesTheManagerVersion_data();
    void unitWithoutUsableAnswerLeavesTheManagerVersion();
};

void TestAboutDialog::initTestCase()
{
    QVERIFY(AppSettings::initialise());
    QCoreApplication::setApplicationVersion("11.10.43");
}

void TestAboutDialog::listsEveryModuleWithTheVersionTheUnitReports()
{
    // Out of module order, the third module missing, and the unit's own entry (always
    // the first) carrying the first module's code to prove it is never taken.
    const auto unit = unitReporting(
        1, {{0x03000011, 0x0B002D96U}, {0x11020345, 0xFF0A03FFU}, {0x03000011, 0x0B002B64U}});
    QVERIFY(unit->listening());

    AboutDialog dialog;
    dialog.setSystemConfig(modules({0x03000011, 0x11020345, 0x01000002}));
    dialog.show();

    QCOMPARE(dialog.text(), Header + "\n1 : 03000011 : 11.00.43"
                                     "\n2 : 11020345 : 255.10.03"
                                     "\n3 : 01000002 : --.--.--");
}

void TestAboutDialog::asksTheUnitOncePerShowForTheLatestConfiguration()
{
    const auto unit = unitReporting(2, {{0x40000000, 0x0B002B64U}, {0x01000002, 0x0C000000U}});
    QVERIFY(unit->listening());
    AboutDialog dialog;
    dialog.setSystemConfig(modules({0x01000002}));
    dialog.show();
    dialog.hide();
    QCOMPARE(unit->requests().size(), 1);

    dialog.setSystemConfig(modules({0x01000002, 0x02000003}));
    dialog.show();
    QCOMPARE(unit->requests().size(), 2);
    QCOMPARE(dialog.text(), Header + "\n1 : 01000002 : 12.00.00\n2 : 02000003 : --.--.--");

    // Nothing to list, nothing to ask.
    dialog.hide();
    dialog.setSystemConfig(SystemConfig());
    dialog.show();
    QCOMPARE(unit->requests().size(), 2);
    QCOMPARE(dialog.text(), Header);
}

void TestAboutDialog::unitWithoutUsableAnswerLeavesTheManagerVersion_data()
{
    QTest::addColumn<int>("host");
    QTest::addColumn<QString>("unit");
    QTest::newRow("nobody listening") << 3 << "none";
    QTest::newRow("refusal") << 4 << "nak";
    QTest::newRow("silence") << 5 << "silent";
}

void TestAboutDialog::unitWithoutUsableAnswerLeavesTheManagerVersion()
{
    QFETCH(int, host);
    QFETCH(QString, unit);
    const QHostAddress address = pointSettingsAt(host);
    const QByteArray nak = FrameBuilder::frame(BUPacket::Nak, QByteArray(1, '\0'));
    std::unique_ptr<LoopbackPeer> peer;
    if (unit != "none")
        peer = std::make_unique<LoopbackPeer>(
            address, 50000, [nak, refuse = unit == "nak"](const QByteArray&) {
                return refuse ? QList<QByteArray>{nak} : QList<QByteArray>{};
            });
    QVERIFY(!peer || peer->listening());

    AboutDialog dialog;
    dialog.setStageTimeout(300);
    dialog.setSystemConfig(modules({0x03000011}));
    dialog.show();

    QCOMPARE(dialog.text(), Header);
}

CVO_TEST_MAIN(TestAboutDialog)
#include "tst_aboutdialog.moc"
