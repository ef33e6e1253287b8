#include "AdminWindow.h"
#include "AppSettings.h"
#include "TestMain.h"
#include "UserPrompt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>

namespace {

const QStringList AdminKeys = {"deviceIPAddress",    "dataPath",
                               "settingsPath",       "rotationHour",
                               "rotationMinute",     "moldMachineSerialPort",
                               "saveDataTypeLog",    "saveDataTypeAlarmWave",
                               "saveDataTypeAllWave"};

template <typename T> T* child(QWidget& window, const QString& name)
{
    T* found = window.findChild<T*>(name);
    if (!found)
        qFatal("missing form object %s", qPrintable(name));
    return found;
}

QSpinBox* spin(QWidget& w, const QString& name)
{
    return child<QSpinBox>(w, name);
}
QLineEdit* edit(QWidget& w, const QString& name)
{
    return child<QLineEdit>(w, name);
}

void press(QWidget& window, QDialogButtonBox::StandardButton which)
{
    child<QDialogButtonBox>(window, "buttonBox")->button(which)->click();
}

QByteArray storeFileContents()
{
    QFile file(AppSettings().fileName());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestAdminWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void showLoadsEveryControlAndReportsTheSaveFlags();
    void addressBoxesAndTheStoredNumberFollowEachOther_data();
    void addressBoxesAndTheStoredNumberFollowEachOther();
    void acceptWithoutChangesWritesEveryKeyThenAsksToQuit();
    void storedPortThatIsNotPresentIsMarkedSelectedAndKept();
    void emptyPortListWithNoStoredPortReadsEmpty();
    void folderChoiceIsTakenOnlyWhenWritable_data();
    void folderChoiceIsTakenOnlyWhenWritable();
    void rejectionWritesNothingAndTheNextShowReloads();
    void storeThatCannotBeWrittenIsReportedAndDoesNotQuit();

private:
    // Shown with a fixed port list and a quit hook that only records.
    void open(AdminWindow& window, const QStringList& ports = {"ttyS0", "ttyUSB0"})
    {
        window.setPortListSource([ports] { return ports; });
        window.setQuitHandler([this] { m_events.append("quit"); });
        window.show();
    }

    QTemporaryDir m_folders;
    QList<UserPrompt::Message> m_messages;
    QList<UserPrompt::FileRequest> m_fileRequests;
    QString m_chosenFolder;
    QStringList m_events;
};

void TestAdminWindow::init()
{
    AppSettings().clear();
    QVERIFY(AppSettings::initialise());
    m_messages.clear();
    m_fileRequests.clear();
    m_events.clear();
    UserPrompt::setMessageHandler([this](const UserPrompt::Message& m) {
        m_messages.append(m);
        m_events.append(m.title);
        return QMessageBox::Ok;
    });
    UserPrompt::setFileHandler([this](const UserPrompt::FileRequest& r) {
        m_fileRequests.append(r);
        return m_chosenFolder;
    });
}

void TestAdminWindow::cleanup()
{
    UserPrompt::setMessageHandler({});
    UserPrompt::setFileHandler({});
}

void TestAdminWindow::showLoadsEveryControlAndReportsTheSaveFlags()
{
    AppSettings settings;
    settings.setValue("dataPath", "/srv/data");
    settings.setValue("settingsPath", "/srv/settings");
    settings.setValue("rotationHour", 7);
    settings.setValue("rotationMinute", 45);
    settings.setValue("moldMachineSerialPort", "ttyUSB0");
    settings.setValue("saveDataTypeLog", false);
    settings.setValue("saveDataTypeAllWave", false);
    settings.sync();

    AdminWindow window;
    QSignalSpy flags(&window, &AdminWindow::saveDataTypesChanged);
    open(window);

    QCOMPARE(edit(window, "dataPathEdit")->text(), "/srv/data");
    QCOMPARE(edit(window, "settingsPathEdit")->text(), "/srv/settings");
    QCOMPARE(spin(window, "hour")->value(), 7);
    QCOMPARE(spin(window, "minute")->value(), 45);
    const QComboBox* ports = child<QComboBox>(window, "serialPortComboBox");
    QCOMPARE(ports->count(), 2);
    QCOMPARE(ports->currentText(), "ttyUSB0");
    QVERIFY(!child<QCheckBox>(window, "LogCheckBox")->isChecked());
    QVERIFY(child<QCheckBox>(window, "AlarmWaveCheckBox")->isChecked());
    QVERIFY(!child<QCheckBox>(window, "AllWaveCheckBox")->isChecked());
    QCOMPARE(flags.count(), 1);
    QCOMPARE(flags.at(0), QVariantList({false, true, false}));
    QVERIFY(m_messages.isEmpty());
}

void TestAdminWindow::addressBoxesAndTheStoredNumberFollowEachOther_data()
{
    QTest::addColumn<quint32>("stored");
    QTest::addColumn<QList<int>>("boxes");
    QTest::addColumn<quint32>("saved");
    QTest::newRow("default unit") << 0xC0A80264U << QList<int>{192, 168, 2, 100} << 0xC0A80264U;
    QTest::newRow("all ones") << 0xFFFFFFFFU << QList<int>{255, 255, 255, 255} << 0xFFFFFFFFU;
    // The first box cannot show 0; what is saved is what the operator saw.
    QTest::newRow("zero first byte") << 0x00020304U << QList<int>{1, 2, 3, 4} << 0x01020304U;
}

void TestAdminWindow::addressBoxesAndTheStoredNumberFollowEachOther()
{
    QFETCH(quint32, stored);
    QFETCH(QList<int>, boxes);
    QFETCH(quint32, saved);
    AppSettings().setValue("deviceIPAddress", stored);

    AdminWindow window;
    open(window);
    const QStringList names = {"ip1", "ip2", "ip3", "ip4"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(spin(window, names.at(i))->value(), boxes.at(i));
    QCOMPARE(window.deviceAddress(), saved);

    spin(window, "ip4")->setValue(boxes.at(3) ^ 1);
    QCOMPARE(window.deviceAddress(), saved ^ 1);
    press(window, QDialogButtonBox::Ok);
    QCOMPARE(AppSettings().value("deviceIPAddress").toUInt(), saved ^ 1);
}

void TestAdminWindow::acceptWithoutChangesWritesEveryKeyThenAsksToQuit()
{
    AdminWindow window;
    open(window);
    QSignalSpy flags(&window, &AdminWindow::saveDataTypesChanged);
    QVariantList before;
    for (const QString& key : AdminKeys)
        before.append(AppSettings().value(key));
    // Emptied behind the dialog's back: only a dialog that writes every key refills it.
    AppSettings().clear();

    press(window, QDialogButtonBox::Ok);

    for (int i = 0; i < AdminKeys.size(); ++i)
        QCOMPARE(AppSettings().value(AdminKeys.at(i)).toString(), before.at(i).toString());
    QCOMPARE(flags.count(), 1);
    QCOMPARE(flags.at(0), QVariantList({true, true, true}));
    QCOMPARE(m_events, QStringList({"Change Configuration", "quit"}));
    QCOMPARE(m_messages.at(0).text, "The applicaiton must be restarted for the changes to take "
                                    "effect.\nClick OK to quit the application.");
    QCOMPARE(window.result(), int(QDialog::Accepted));
}

void TestAdminWindow::storedPortThatIsNotPresentIsMarkedSelectedAndKept()
{
    AppSettings().setValue("moldMachineSerialPort", "COM7");
    AdminWindow window;
    open(window, {"ttyS0", "ttyS1"});

    const QComboBox* ports = child<QComboBox>(window, "serialPortComboBox");
    QCOMPARE(ports->count(), 3);
    QCOMPARE(ports->currentText(), "* COM7");
    QCOMPARE(window.selectedSerialPort(), "COM7");
    press(window, QDialogButtonBox::Ok);
    QCOMPARE(AppSettings().value("moldMachineSerialPort").toString(), "COM7");

    // Shown again while still absent: one marked entry, not two.
    window.show();
    QCOMPARE(ports->count(), 3);
}

void TestAdminWindow::emptyPortListWithNoStoredPortReadsEmpty()
{
    AppSettings().setValue("moldMachineSerialPort", QString());
    AdminWindow window;
    open(window, {});
    QCOMPARE(child<QComboBox>(window, "serialPortComboBox")->count(), 0);
    press(window, QDialogButtonBox::Ok);
    QCOMPARE(AppSettings().value("moldMachineSerialPort").toString(), QString());
}

void TestAdminWindow::folderChoiceIsTakenOnlyWhenWritable_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<bool>("warned");
    QTest::newRow("writable folder") << "/writable" << true << false;
    QTest::newRow("vanished folder") << "/vanished" << false << true;
    QTest::newRow("plain file") << "/plain.txt" << false << true;
    QTest::newRow("cancelled") << QString() << false << false;
}

void TestAdminWindow::folderChoiceIsTakenOnlyWhenWritable()
{
    QFETCH(QString, choice);
    QFETCH(bool, taken);
    QFETCH(bool, warned);
    QVERIFY(QDir().mkpath(m_folders.path() + "/writable"));
    QFile(m_folders.path() + "/plain.txt").open(QIODevice::WriteOnly);
    m_chosenFolder = choice.isEmpty() ? QString() : m_folders.path() + choice;

    AdminWindow window;
    open(window);
    for (const QString& name : {QStringLiteral("dataPath"), QStringLiteral("settingsPath")}) {
        const QString before = edit(window, name + "Edit")->text();
        child<QPushButton>(window, name + "SelectButton")->click();
        QCOMPARE(m_fileRequests.last().kind, UserPrompt::FileKind::ExistingDirectory);
        QCOMPARE(m_fileRequests.last().directory, before);
        QCOMPARE(edit(window, name + "Edit")->text(), taken ? m_chosenFolder : before);
    }
    QCOMPARE(m_messages.size(), warned ? 2 : 0);
    for (const UserPrompt::Message& m : m_messages) {
        QCOMPARE(m.title, "Error");
        QCOMPARE(m.text, "The folder is not writable.\nPlease specify another folder.");
    }
}

void TestAdminWindow::rejectionWritesNothingAndTheNextShowReloads()
{
    const QByteArray before = storeFileContents();
    QVERIFY(!before.isEmpty());
    AdminWindow window;
    open(window);
    spin(window, "ip4")->setValue(7);
    spin(window, "hour")->setValue(5);
    child<QCheckBox>(window, "AlarmWaveCheckBox")->setChecked(false);

    press(window, QDialogButtonBox::Cancel);

    QCOMPARE(window.result(), int(QDialog::Rejected));
    QCOMPARE(storeFileContents(), before);
    QVERIFY(m_events.isEmpty());
    window.show();
    QCOMPARE(spin(window, "ip4")->value(), 100);
    QCOMPARE(spin(window, "hour")->value(), 0);
    QVERIFY(child<QCheckBox>(window, "AlarmWaveCheckBox")->isChecked());
}

void TestAdminWindow::storeThatCannotBeWrittenIsReportedAndDoesNotQuit()
{
    AdminWindow window;
    open(window);
    // The store's folder replaced by a plain file: nothing can be written there, even
    // by a user whom permissions do not stop.
    const QString folder = QFileInfo(AppSettings().fileName()).absolutePath();
    QVERIFY(QDir().rename(folder, folder + ".parked"));
    QFile(folder).open(QIODevice::WriteOnly);

    press(window, QDialogButtonBox::Ok);

    QVERIFY(QFile::remove(folder));
    QVERIFY(QDir().rename(folder + ".parked", folder));
    QCOMPARE(m_events, QStringList({"Save Error"}));
    QCOMPARE(m_messages.at(0).kind, UserPrompt::MessageKind::Critical);
    QVERIFY(window.isVisible());
}

CVO_TEST_MAIN(TestAdminWindow)
#include "tst_adminwindow.moc"
