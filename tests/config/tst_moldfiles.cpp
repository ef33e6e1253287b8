#include "AppSettings.h"
#include "MoldFileController.h"
#include "MoldSettingsFile.h"
#include "SettingsChooserDialog.h"
#include "SettingsMatcher.h"
#include "SystemConfig.h"
#include "TestMain.h"
#include "UserPrompt.h"
#include "ZRCModuleConfig.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

using Action = MatchResult::Action;
Q_DECLARE_METATYPE(Action)
using Choice = SettingsMatcher::Choice;
Q_DECLARE_METATYPE(Choice)

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// As read from a unit: the reserved flag bits set, which a file cannot hold.
SystemConfig unitConfig()
{
    SystemConfig config;
    config.setName(QStringLiteral("MoldA"));
    config.setFlags(0x03FF);
    config.addModule(0x01000005);
    config.addModule(0x11000006);
    config.module(1)->channel(6)->setTitle(QStringLiteral("Runner"));
    return config;
}

SystemConfig withFileFlags(SystemConfig config)
{
    config.setFlags(config.flags() & ~SettingsMatcher::ReservedFlags);
    return config;
}

} // namespace

// The settings file as the operator meets it: the controller's dialogs and messages, the
// chooser dialog, and the matching with the unit's configuration at connection.
class TestMoldFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        AppSettings().setValue("settingsPath", m_folder->path());
        AppSettings().remove("lastMoldFile");
        m_messages.clear();
        m_chosenPath.clear();
        m_asked.clear();
        UserPrompt::setMessageHandler([this](const UserPrompt::Message& message) {
            m_messages.append(message.title);
            return QMessageBox::Ok;
        });
        UserPrompt::setFileHandler([this](const UserPrompt::FileRequest&) { return m_chosenPath; });
        SettingsMatcher::setChooser([this](QWidget*, const QString& name) {
            m_asked.append(name);
            return m_choice;
        });
    }

    void cleanup()
    {
        UserPrompt::setMessageHandler({});
        UserPrompt::setFileHandler({});
        SettingsMatcher::setChooser({});
    }

    void loadFailuresAreToldToTheOperator_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file at all
        QTest::addColumn<QString>("title");
        QTest::newRow("missing") << QByteArray() << "Open Error";
        QTest::newRow("not XML") << QByteArray("<mold>") << "File Error";
        QTest::newRow("no system part")
            << QByteArray("<!DOCTYPE moldsettings>\n<mold/>") << "File Error";
    }

    void loadFailuresAreToldToTheOperator()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, title);
        if (!content.isNull())
            writeFile(files().settingsFilePath("Mold"), content);

        QVERIFY(!files().loadByName("Mold"));
        QCOMPARE(m_messages, QStringList{title});
    }

    void savedFileLoadsUnderItsNameAndIsRemembered()
    {
        SystemConfig config = unitConfig();
        config.setName("Other");
        QCOMPARE(files().saveByName(config, "Mold A"), 0);
        const QString path = m_folder->filePath("Mold A.xml");
        QCOMPARE(lastMoldFile(), path);
        QVERIFY(files().settingsFileExists("Mold A"));

        AppSettings().remove("lastMoldFile");
        const std::unique_ptr<SystemConfig> loaded = files().loadByName("Mold A");
        QVERIFY(loaded);
        QCOMPARE(loaded->name(), "Mold A");
        QVERIFY(loaded->equals(withFileFlags(config)));
        QCOMPARE(lastMoldFile(), path);

        // A file that cannot be written is reported and not remembered.
        AppSettings().remove("lastMoldFile");
        QCOMPARE(files().save(config, path + "/Mold.xml"), -1);
        QCOMPARE(m_messages, QStringList{"Save Error"});
        QVERIFY(lastMoldFile().isEmpty());
    }

    void saveAsTakesNamesOfUpToSixteenCharacters_data()
    {
        QTest::addColumn<QString>("name"); // empty: the dialog is cancelled
        QTest::addColumn<bool>("saved");
        QTest::newRow("sixteen") << "ABCDEFGHIJKLMNOP" << true;
        QTest::newRow("seventeen") << "ABCDEFGHIJKLMNOPQ" << false;
        QTest::newRow("only the last suffix is cut") << "ABCDEFGHIJKLMN.v2" << false;
        QTest::newRow("cancelled") << "" << false;
    }

    void saveAsTakesNamesOfUpToSixteenCharacters()
    {
        QFETCH(QString, name);
        QFETCH(bool, saved);
        if (!name.isEmpty())
            m_chosenPath = m_folder->filePath(name + ".xml");

        QCOMPARE(files().saveAsWithDialog(unitConfig()), saved ? 0 : -1);
        QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files).size(), saved ? 1 : 0);
        QCOMPARE(lastMoldFile(), saved ? m_chosenPath : QString());
        QCOMPARE(files().settingsName() == name, saved);
        QCOMPARE(m_messages.size(), saved || name.isEmpty() ? 0 : 1);
    }

    // Each button is a choice of its own; Escape chooses nothing.
    void chooserResultTellsTheChoice_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("result");
        QTest::newRow("Overwrite File")
            << "Overwrite File" << int(SettingsChooserDialog::OverwriteFile);
        QTest::newRow("Overwrite Equipment")
            << "Overwrite Equipment" << int(SettingsChooserDialog::OverwriteEquipment);
        QTest::newRow("Escape") << "" << int(SettingsChooserDialog::NoChoice);
    }

    void chooserResultTellsTheChoice()
    {
        QFETCH(QString, button);
        SettingsChooserDialog dialog;
        dialog.setSettingsName("Mold A");
        dialog.show();
        for (QPushButton* candidate : dialog.findChildren<QPushButton*>())
            if (candidate->text() == button)
                QTest::mouseClick(candidate, Qt::LeftButton);
        if (button.isEmpty())
            QTest::keyClick(&dialog, Qt::Key_Escape);
        QTEST(dialog.result(), "result");
        QVERIFY(!dialog.isVisible());
    }

    void matchingDecidesWhichSideToKeep_data()
    {
        QTest::addColumn<QString>("file");  // how the file differs from the unit
        QTest::addColumn<Choice>("choice"); // the operator's answer, asked for "zone"
        QTest::addColumn<Action>("action");
        const Choice equipment = Choice::OverwriteEquipment;
        QTest::newRow("no file, no folder") << "none" << equipment << MatchResult::UseUnitFileSaved;
        QTest::newRow("unreadable") << "unreadable" << equipment << MatchResult::UseUnitFileSaved;
        QTest::newRow("reserved flags only") << "" << equipment << MatchResult::UseUnit;
        QTest::newRow("sensor code") << "sensor" << equipment << MatchResult::UseUnit;
        QTest::newRow("identifier, enabled") << "module" << equipment << MatchResult::UseUnit;
        QTest::newRow("other module kinds") << "kinds" << equipment << MatchResult::UseUnit;
        QTest::newRow("overwrite file")
            << "zone" << Choice::OverwriteFile << MatchResult::UseUnitFileSaved;
        QTest::newRow("overwrite equipment")
            << "zone" << equipment << MatchResult::UseFileSendToUnit;
        QTest::newRow("closed without a choice")
            << "zone" << Choice::NoChoice << MatchResult::UseUnit;
    }

    void matchingDecidesWhichSideToKeep()
    {
        QFETCH(QString, file);
        QFETCH(Choice, choice);
        QFETCH(Action, action);
        m_choice = choice;
        const QString path = m_folder->filePath("CVO/settings/MoldA.xml");
        AppSettings().setValue("settingsPath", QFileInfo(path).path());
        SystemConfig fileConfig = unitConfig();
        fileConfig.module(0)->setIdentifier(0x01000099);
        fileConfig.module(1)->setEnabled(file != "module");
        if (file == "sensor")
            static_cast<ZRCModuleConfig*>(fileConfig.module(0))->setSensorCodeIndex(2, 3);
        if (file == "kinds")
            fileConfig.addModule(0x02000007);
        if (file == "zone")
            fileConfig.module(1)->channel(6)->setZone1(Zone{1, 2, 3, 4, true, false});
        if (file != "none") {
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            if (file == "unreadable")
                writeFile(path, "<mold>");
            else
                QCOMPARE(MoldSettingsFile::write(fileConfig, path), MoldSettingsFile::Status::Ok);
        }
        const QByteArray before = fileBytes(path);

        const MatchResult result = SettingsMatcher().match(unitConfig());

        QCOMPARE(result.action, action);
        QCOMPARE(m_asked, file == "zone" ? QStringList{"MoldA"} : QStringList());
        // The unit keeps its module identifiers and the flag bits the file cannot hold.
        fileConfig.setFlags(0x03FF);
        QVERIFY(result.config->equals(action == MatchResult::UseFileSendToUnit ? fileConfig
                                                                               : unitConfig()));
        QCOMPARE(result.config->flags(), quint16(0x03FF));
        QCOMPARE(result.config->module(0)->identifier(), quint32(0x01000005));
        if (action == MatchResult::UseUnitFileSaved) {
            const auto saved = MoldSettingsFile::read(path).config;
            QVERIFY(saved && saved->equals(withFileFlags(unitConfig())));
        } else {
            QCOMPARE(fileBytes(path), before);
        }
        QCOMPARE(m_messages, file == "unreadable" ? QStringList{"File Error"} : QStringList());
    }

    void settingsNameThatLeavesTheFolderIsNotUsedAsAFileName()
    {
        const QString folder = m_folder->filePath("settings");
        AppSettings().setValue("settingsPath", folder);
        SystemConfig unit = unitConfig();
        unit.setName("../Escape");
        QCOMPARE(SettingsMatcher().match(unit).action, MatchResult::UseUnit);
        QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList());
        QVERIFY(QDir(folder).isEmpty());
    }

private:
    static MoldFileController& files() { return MoldFileController::instance(); }
    static QString lastMoldFile() { return AppSettings().value("lastMoldFile").toString(); }

    static void writeFile(const QString& path, const QByteArray& content)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    std::unique_ptr<QTemporaryDir> m_folder;
    QStringList m_messages; // titles
    QString m_chosenPath;
    QStringList m_asked;
    Choice m_choice = Choice::OverwriteFile;
};

CVO_TEST_MAIN(TestMoldFiles)
#include "tst_moldfiles.moc"
