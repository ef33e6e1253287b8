#include "AdminWindow.h"
#include "AppSettings.h"
#include "FileSizeLimit.h"
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
#include <QSysInfo>

namespace {

template <typename T> T* child(QWidget& window, const QString& name)
{
    return window.findChild<T*>(name);
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
    void init()
    {
        AppSettings().clear();
        QVERIFY(AppSettings::initialise());
        m_events.clear();
        UserPrompt::setMessageHandler([this](const UserPrompt::Message& m) {
            m_events.append(m.title);
            return QMessageBox::Ok;
        });
        UserPrompt::setFileHandler([this](const UserPrompt::FileRequest&) { return m_chosen; });
    }

    void cleanup()
    {
        UserPrompt::setMessageHandler({});
        UserPrompt::setFileHandler({});
    }

    void addressBoxesAndTheStoredNumberFollowEachOther_data()
    {
        QTest::addColumn<quint32>("stored");
        QTest::addColumn<QList<int>>("boxes");
        QTest::addColumn<quint32>("saved");
        QTest::newRow("default unit") << 0xC0A80264U << QList<int>{192, 168, 2, 100} << 0xC0A80264U;
        QTest::newRow("all ones") << 0xFFFFFFFFU << QList<int>{255, 255, 255, 255} << 0xFFFFFFFFU;
        // The first box cannot show 0; what is saved is what the operator saw.
        QTest::newRow("zero first byte") << 0x00020304U << QList<int>{1, 2, 3, 4} << 0x01020304U;
    }

    void addressBoxesAndTheStoredNumberFollowEachOther()
    {
        QFETCH(quint32, stored);
        QFETCH(QList<int>, boxes);
        QFETCH(quint32, saved);
        AppSettings().setValue("deviceIPAddress", stored);

        AdminWindow window;
        open(window);
        const QStringList names = {"ip1", "ip2", "ip3", "ip4"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(child<QSpinBox>(window, names.at(i))->value(), boxes.at(i));
        QCOMPARE(window.deviceAddress(), saved);

        child<QSpinBox>(window, "ip4")->setValue(boxes.at(3) ^ 1);
        QCOMPARE(window.deviceAddress(), saved ^ 1);
        press(window, QDialogButtonBox::Ok);
        QCOMPARE(AppSettings().value("deviceIPAddress").toUInt(), saved ^ 1);
    }

    // The stored port COM1 is not among the ports present: it stays selectable, marked,
    // and is kept.
    void acceptWritesEveryKeyThenAsksToQuit()
    {
        AdminWindow window;
        open(window);
        const QComboBox* ports = child<QComboBox>(window, "serialPortComboBox");
        QCOMPARE(ports->currentText(), "* COM1");
        child<QSpinBox>(window, "hour")->setValue(5);
        child<QSpinBox>(window, "minute")->setValue(45);
        child<QCheckBox>(window, "AlarmWaveCheckBox")->setChecked(false);
        QSignalSpy flags(&window, &AdminWindow::saveDataTypesChanged);
        // Emptied behind the dialog's back: only a dialog that writes every key refills it.
        AppSettings().clear();

        press(window, QDialogButtonBox::Ok);

        AppSettings settings;
        QStringList stored;
        for (const QString& key : settings.allKeys())
            stored << key + "=" + settings.value(key).toString();
        QCOMPARE(
            stored.join(' ')
                .replace(QDir::homePath(), "~")
                .replace("publishStation=" + QSysInfo::machineHostName(), "publishStation=<host>"),
            "dataPath=~/CVO_DATA deviceIPAddress=3232236132 moldMachineSerialPort=COM1 "
            "publishCaFile= publishEnabled=false publishHost=localhost publishPassword= "
            "publishPort=1883 publishPrefix=cvo publishStation=<host> publishTls=false "
            "publishTlsVerify=true publishUser= "
            "rotationHour=5 rotationMinute=45 saveDataTypeAlarmWave=false "
            "saveDataTypeAllWave=true saveDataTypeLog=true settingsPath=~/CVO_Settings");
        QCOMPARE(flags.count(), 1);
        QCOMPARE(flags.at(0), QVariantList({true, false, true}));
        QCOMPARE(m_events, QStringList({"Change Configuration", "quit"}));
        QCOMPARE(window.result(), int(QDialog::Accepted));
        window.show(); // shown again: one marked entry, not two
        QCOMPARE(ports->count(), 3);
    }

    void folderChoiceIsTakenOnlyWhenWritable_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<bool>("taken");
        QTest::newRow("writable folder") << "/writable" << true;
        QTest::newRow("vanished folder") << "/vanished" << false;
        QTest::newRow("plain file") << "/plain.txt" << false;
        QTest::newRow("cancelled") << QString() << false;
    }

    void folderChoiceIsTakenOnlyWhenWritable()
    {
        QFETCH(QString, choice);
        QFETCH(bool, taken);
        QTemporaryDir folders;
        QVERIFY(QDir().mkpath(folders.path() + "/writable"));
        QFile(folders.path() + "/plain.txt").open(QIODevice::WriteOnly);
        m_chosen = choice.isEmpty() ? QString() : folders.path() + choice;

        AdminWindow window;
        open(window);
        for (const QString& name : {QStringLiteral("dataPath"), QStringLiteral("settingsPath")}) {
            const QString before = child<QLineEdit>(window, name + "Edit")->text();
            child<QPushButton>(window, name + "SelectButton")->click();
            QCOMPARE(child<QLineEdit>(window, name + "Edit")->text(), taken ? m_chosen : before);
        }
        const bool warned = !taken && !choice.isEmpty();
        QCOMPARE(m_events, warned ? QStringList({"Error", "Error"}) : QStringList());
    }

    void rejectionWritesNothingAndTheNextShowReloads()
    {
        const QByteArray before = storeFileContents();
        QVERIFY(!before.isEmpty());
        AdminWindow window;
        open(window);
        child<QSpinBox>(window, "hour")->setValue(5);
        child<QCheckBox>(window, "AlarmWaveCheckBox")->setChecked(false);

        press(window, QDialogButtonBox::Cancel);

        QCOMPARE(window.result(), int(QDialog::Rejected));
        QCOMPARE(storeFileContents(), before);
        QVERIFY(m_events.isEmpty());
        QSignalSpy flags(&window, &AdminWindow::saveDataTypesChanged);
        window.show();
        QCOMPARE(child<QSpinBox>(window, "hour")->value(), 0);
        QVERIFY(child<QCheckBox>(window, "AlarmWaveCheckBox")->isChecked());
        QCOMPARE(flags.count(), 1); // the recorder learns the flags the operator sees
        QCOMPARE(flags.at(0), QVariantList({true, true, true}));
    }

    void storeThatCannotBeWrittenIsReportedAndDoesNotQuit()
    {
        const QByteArray before = storeFileContents();
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
        QVERIFY(window.isVisible());

        // A disk that fills up while the store is written: told too, and what was not saved
        // neither shows later nor reaches the disk with the next settings written.
        child<QSpinBox>(window, "hour")->setValue(5);
        FileSizeLimit full(before.size() / 2);
        press(window, QDialogButtonBox::Ok);
        full.lift();
        QCOMPARE(m_events, QStringList({"Save Error", "Save Error"}));
        press(window, QDialogButtonBox::Cancel);
        QCOMPARE(AppSettings().rotationHour(), 0);
        QVERIFY(AppSettings::initialise());
        QCOMPARE(storeFileContents(), before);
    }

private:
    // Shown with a fixed port list and a quit hook that only records.
    void open(AdminWindow& window, const QStringList& ports = {"ttyS0", "ttyUSB0"})
    {
        window.setPortListSource([ports] { return ports; });
        window.setQuitHandler([this] { m_events.append("quit"); });
        window.show();
    }

    QString m_chosen;
    QStringList m_events;
};

CVO_TEST_MAIN(TestAdminWindow)
#include "tst_adminwindow.moc"
