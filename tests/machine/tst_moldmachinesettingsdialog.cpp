#include "MoldMachineSettingsDialog.h"
#include "TestMain.h"
#include "UserPrompt.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>

class TestMoldMachineSettingsDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void okWritesTheTextAsEditedOrReportsWhyNot()
    {
        int messages = 0;
        UserPrompt::setMessageHandler([&](const UserPrompt::Message&) {
            ++messages;
            return QMessageBox::Ok;
        });
        QTemporaryDir dir;
        const QString text = QStringLiteral("CYCL,サイクル時間\nnot a record\n\nCUSH,Cushion");
        MoldMachineSettingsDialog dialog;
        dialog.findChild<QPlainTextEdit*>()->setPlainText(text);
        dialog.show();
        // A plain file where the folder should be: not even root can write below it.
        QFile blocker(dir.filePath("blocked"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        dialog.setFilePath(blocker.fileName() + "/Mold_Machine.csv");
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(messages, 1);
        QVERIFY(dialog.isVisible());

        // The settings folder need not exist yet.
        dialog.setFilePath(dir.filePath("settings/Mold_Machine.csv"));
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        QVERIFY(!dialog.isVisible());
        QFile file(dialog.filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), text.toUtf8());
        UserPrompt::setMessageHandler({});
    }
};

CVO_TEST_MAIN(TestMoldMachineSettingsDialog)
#include "tst_moldmachinesettingsdialog.moc"
