#include "AppSettings.h"
#include "MachinePortCheck.h"
#include "MachineTestFiles.h"
#include "MoldMachineSettingsDialog.h"
#include "SerialPacket.h"
#include "TestMain.h"
#include "UserPrompt.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>

class TestMoldMachineSettingsDialog : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QList<UserPrompt::Message> m_messages;

    static QByteArray contents(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
    static QPlainTextEdit* editor(QDialog& dialog)
    {
        return dialog.findChild<QPlainTextEdit*>(QStringLiteral("plainTextEdit"));
    }
    static void press(QDialog& dialog, QDialogButtonBox::StandardButton which)
    {
        dialog.show();
        dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(which)->click();
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_messages.clear();
        UserPrompt::setMessageHandler([this](const UserPrompt::Message& message) {
            m_messages.append(message);
            return QMessageBox::Ok;
        });
    }

    void cleanup() { UserPrompt::setMessageHandler({}); }

    void cancellingAfterEditsLeavesTheLoadedFileUntouched()
    {
        const QByteArray text = "CYCL,Cycle time\r\nCUSH,Cushion\n";
        MoldMachineSettingsDialog dialog;
        dialog.setFilePath(writeTestFile(m_dir->filePath("Mold_Machine.csv"), text));
        QVERIFY(dialog.load());
        QCOMPARE(editor(dialog)->toPlainText(), QString("CYCL,Cycle time\nCUSH,Cushion"));
        editor(dialog)->setPlainText("changed,text");
        press(dialog, QDialogButtonBox::Cancel);
        QCOMPARE(contents(dialog.filePath()), text);

        dialog.setFilePath(m_dir->filePath("missing.csv"));
        QVERIFY(!dialog.load());
        QVERIFY(editor(dialog)->toPlainText().isEmpty());
    }

    void acceptingWritesTheTextExactlyAsEdited()
    {
        // The settings folder need not exist yet.
        const QString path = m_dir->filePath("settings/Mold_Machine.csv");
        const QString text = QStringLiteral("CYCL,サイクル時間\nnot a record\n\nCUSH,Cushion");
        MoldMachineSettingsDialog dialog;
        dialog.setFilePath(path);
        editor(dialog)->setPlainText(text);
        press(dialog, QDialogButtonBox::Ok);

        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(contents(path), text.toUtf8());
        // The link reads it up to the empty line; a file it cannot open changes nothing.
        SerialPacket link;
        QVERIFY(link.loadMachineFile(path));
        QVERIFY(!link.loadMachineFile(m_dir->filePath("missing.csv")));
        QCOMPARE(link.recordNames(), QStringList{QStringLiteral("サイクル時間")});
    }

    void fileThatCannotBeWrittenIsReportedAndTheDialogStaysOpen()
    {
        // A plain file where the folder should be: not even root can write below it.
        MoldMachineSettingsDialog dialog;
        dialog.setFilePath(writeTestFile(m_dir->filePath("blocked"), "x") + "/Mold_Machine.csv");
        editor(dialog)->setPlainText("CYCL,Cycle time");
        press(dialog, QDialogButtonBox::Ok);

        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages.first().title, QString("Save Error"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(editor(dialog)->toPlainText(), QString("CYCL,Cycle time"));
    }

    void startUpWarnsWhenTheMachinePortIsMissing()
    {
        AppSettings().setValue("moldMachineSerialPort", m_dir->filePath("no-port"));
        SerialPacket link;
        QList<int> statuses;
        connect(&link, &SerialPacket::statusUpdate, this, [&](int s) { statuses.append(s); });

        QVERIFY(!MachinePortCheck::openAtStartup(link, nullptr));
        QCOMPARE(statuses, QList<int>{SerialPacket::PortOpenError});
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages.first().title, QString("USB Port Open Error"));
        QCOMPARE(m_messages.first().text,
                 QString("Can not open the file.\nPlease check the connection."));

        // Nor does an exchange get anywhere without the port.
        link.start();
        QCOMPARE(statuses, (QList<int>{SerialPacket::PortOpenError, SerialPacket::PortOpenError}));
        QVERIFY(!link.isExchangeRunning());
    }
};

CVO_TEST_MAIN(TestMoldMachineSettingsDialog)
#include "tst_moldmachinesettingsdialog.moc"
