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
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

namespace {

const QString LastMoldFile = QStringLiteral("lastMoldFile");
const QString Filter = QStringLiteral("Mold Configuration File(*.xml)");

QString lastMoldFile()
{
    return AppSettings().value(LastMoldFile).toString();
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

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

void raiseZone1Upper(SystemConfig& config)
{
    ChannelConfig* channel = config.module(1)->channel(6);
    Zone zone = channel->zone1();
    zone.upper += 1;
    channel->setZone1(zone);
}

} // namespace

// The settings file as the operator meets it: the controller's dialogs and messages, the
// chooser dialog, and the matching with the unit's configuration at connection.
class TestMoldFiles : public QObject
{
    Q_OBJECT

public:
    MoldFileController& files() { return MoldFileController::instance(); }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        AppSettings().setValue(QStringLiteral("settingsPath"), m_folder->path());
        AppSettings().remove(LastMoldFile);
        m_messages.clear();
        m_requests.clear();
        m_chosenPath.clear();
        m_asked.clear();
        UserPrompt::setMessageHandler([this](const UserPrompt::Message& message) {
            m_messages.append(message);
            return QMessageBox::Ok;
        });
        UserPrompt::setFileHandler([this](const UserPrompt::FileRequest& request) {
            m_requests.append(request);
            return m_chosenPath;
        });
        SettingsMatcher::setChooser([this](QWidget*, const QString& name) {
            m_asked.append(name);
            return m_overwriteFile;
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
        QTest::addColumn<QString>("text");
        QTest::newRow("missing") << QByteArray() << "Open Error"
                                 << "Can not open the file.\nPlease check whether you have "
                                    "permission to read.";
        QTest::newRow("not XML") << QByteArray("<mold>") << "File Error"
                                 << "This file does not seem to be valid.\n";
        QTest::newRow("no system part")
            << QByteArray("<!DOCTYPE moldsettings>\n<mold/>") << "File Error"
            << "This file seems to be corrupted.\n";
    }

    void loadFailuresAreToldToTheOperator()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, title);
        QFETCH(QString, text);
        if (!content.isNull())
            writeFile(files().settingsFilePath(QStringLiteral("Mold")), content);

        QVERIFY(!files().loadByName(QStringLiteral("Mold")));
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages[0].kind, UserPrompt::MessageKind::Warning);
        QCOMPARE(m_messages[0].title, title);
        QCOMPARE(m_messages[0].text, text);
        QVERIFY(lastMoldFile().isEmpty());
    }

    void savedFileLoadsUnderItsName()
    {
        SystemConfig config = unitConfig();
        config.setName(QStringLiteral("Other"));
        QCOMPARE(files().saveByName(config, QStringLiteral("Mold A")), 0);
        const QString path = m_folder->filePath(QStringLiteral("Mold A.xml"));
        QCOMPARE(lastMoldFile(), path);
        QVERIFY(files().settingsFileExists(QStringLiteral("Mold A")));
        QVERIFY(!files().settingsFileExists(QStringLiteral("Mold")));

        AppSettings().remove(LastMoldFile);
        const std::unique_ptr<SystemConfig> loaded = files().loadByName(QStringLiteral("Mold A"));
        QVERIFY(loaded);
        QCOMPARE(loaded->name(), QStringLiteral("Mold A"));
        QVERIFY(loaded->equals(withFileFlags(config)));
        QCOMPARE(lastMoldFile(), path);
        QVERIFY(m_messages.isEmpty());
    }

    void failedSaveIsReportedAndNotRemembered()
    {
        const QString notAFolder = m_folder->filePath(QStringLiteral("plain"));
        writeFile(notAFolder, "x");
        QCOMPARE(files().save(unitConfig(), notAFolder + QStringLiteral("/Mold.xml")), -1);
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages[0].title, QStringLiteral("Save Error"));
        QCOMPARE(m_messages[0].text, QStringLiteral("Can not write to the file.\nPlease specify "
                                                    "a file path you have permission to write."));
        QVERIFY(lastMoldFile().isEmpty());
    }

    void openDialogLoadsTheChosenFile()
    {
        QCOMPARE(files().saveByName(unitConfig(), QStringLiteral("Chosen")), 0);
        m_chosenPath = files().settingsFilePath(QStringLiteral("Chosen"));
        const std::unique_ptr<SystemConfig> loaded = files().openWithDialog();
        QVERIFY(loaded);
        QCOMPARE(loaded->name(), QStringLiteral("Chosen"));
        QCOMPARE(m_requests.size(), 1);
        const UserPrompt::FileRequest& request = m_requests[0];
        QCOMPARE(request.kind, UserPrompt::FileKind::OpenFileName);
        QCOMPARE(request.caption, QStringLiteral("Open Mold Configuration File"));
        QCOMPARE(request.label, QStringLiteral("Select Mold Configuration File"));
        QCOMPARE(request.filter, Filter);
        QCOMPARE(request.directory, m_folder->path());

        m_chosenPath.clear();
        QVERIFY(!files().openWithDialog());
        QVERIFY(m_messages.isEmpty());
    }

    void saveAsTakesNamesOfUpToSixteenCharacters_data()
    {
        QTest::addColumn<QString>("name"); // empty: the dialog is cancelled
        QTest::addColumn<int>("result");
        QTest::newRow("sixteen") << "ABCDEFGHIJKLMNOP" << 0;
        QTest::newRow("seventeen") << "ABCDEFGHIJKLMNOPQ" << -1;
        QTest::newRow("only the last suffix is cut") << "ABCDEFGHIJKLMN.v2" << -1;
        QTest::newRow("cancelled") << "" << -1;
    }

    void saveAsTakesNamesOfUpToSixteenCharacters()
    {
        QFETCH(QString, name);
        QFETCH(int, result);
        if (!name.isEmpty())
            m_chosenPath = m_folder->filePath(name + QStringLiteral(".xml"));

        QCOMPARE(files().saveAsWithDialog(unitConfig()), result);
        QCOMPARE(m_requests.size(), 1);
        QCOMPARE(m_requests[0].kind, UserPrompt::FileKind::SaveFileName);
        QCOMPARE(m_requests[0].caption, QStringLiteral("Save Mold Configuration File"));
        QCOMPARE(m_requests[0].label, QStringLiteral("Specify a file name to save."));
        QCOMPARE(m_requests[0].defaultSuffix, QStringLiteral("xml"));
        QCOMPARE(m_requests[0].filter, Filter);
        QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files).size(), result == 0 ? 1 : 0);
        if (result == 0) {
            QCOMPARE(files().settingsName(), name);
            QCOMPARE(lastMoldFile(), m_chosenPath);
            QVERIFY(m_messages.isEmpty());
        } else if (!name.isEmpty()) {
            QCOMPARE(m_messages.size(), 1);
            QCOMPARE(m_messages[0].title, QStringLiteral("Error"));
            QCOMPARE(m_messages[0].text,
                     QStringLiteral("Settings file name must be 16 characters or less."));
        }
    }

    void chooserShowsTheFileNameAndItsChoices_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("result");
        QTest::newRow("Overwrite File") << "Overwrite File" << int(QDialog::Accepted);
        QTest::newRow("Overwrite Equipment") << "Overwrite Equipment" << int(QDialog::Rejected);
    }

    void chooserShowsTheFileNameAndItsChoices()
    {
        QFETCH(QString, button);
        QFETCH(int, result);
        SettingsChooserDialog dialog;
        dialog.setSettingsName(QStringLiteral("Mold A"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Choose Settings"));
        QStringList texts;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            texts.append(label->text());
        QVERIFY(texts.contains(QStringLiteral("Mold A.xml")));
        QVERIFY(texts.contains(QStringLiteral("The settings of the equipment named below are "
                                              "different from the one saved on this PC.")));

        dialog.show();
        QPushButton* clicked = nullptr;
        for (QPushButton* candidate : dialog.findChildren<QPushButton*>())
            if (candidate->text() == button)
                clicked = candidate;
        QVERIFY(clicked);
        QTest::mouseClick(clicked, Qt::LeftButton);
        QCOMPARE(dialog.result(), result);
        QVERIFY(!dialog.isVisible());
    }

    void withoutAFileTheUnitIsUsedAndSaved()
    {
        // Neither the settings folder nor its parent is there yet.
        const QString folder = m_folder->filePath(QStringLiteral("CVO/settings"));
        AppSettings().setValue(QStringLiteral("settingsPath"), folder);
        const MatchResult result = SettingsMatcher().match(unitConfig());
        QCOMPARE(result.action, MatchResult::UseUnitFileSaved);
        QVERIFY(result.config->equals(unitConfig()));
        QCOMPARE(result.config->name(), QStringLiteral("MoldA"));
        const auto saved = MoldSettingsFile::read(folder + QStringLiteral("/MoldA.xml")).config;
        QVERIFY(saved && saved->equals(withFileFlags(unitConfig())));
        QVERIFY(m_asked.isEmpty());
    }

    void unreadableFileIsOverwrittenByTheUnit()
    {
        writeFile(moldFile(), "<mold>");
        const MatchResult result = SettingsMatcher().match(unitConfig());
        QCOMPARE(result.action, MatchResult::UseUnitFileSaved);
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_messages[0].title, QStringLiteral("File Error"));
        QVERIFY(readFile());
        QVERIFY(m_asked.isEmpty());
    }

    void matchingFileKeepsTheUnitConfiguration_data()
    {
        QTest::addColumn<QString>("difference");
        QTest::newRow("none but the reserved flags") << "";
        QTest::newRow("sensor code") << "sensor";
        QTest::newRow("module identifier and enabled flag") << "module";
    }

    void matchingFileKeepsTheUnitConfiguration()
    {
        QFETCH(QString, difference);
        SystemConfig file = unitConfig();
        if (difference == QLatin1String("sensor"))
            static_cast<ZRCModuleConfig*>(file.module(0))->setSensorCodeIndex(2, 3);
        if (difference == QLatin1String("module")) {
            file.module(1)->setIdentifier(0x11000099);
            file.module(1)->setEnabled(false);
        }
        const QByteArray before = saveFile(file);
        QVERIFY(!before.isEmpty());

        QTest::ignoreMessage(QtDebugMsg, "CONFIG MATCHED.");
        const MatchResult result = SettingsMatcher().match(unitConfig());
        QCOMPARE(result.action, MatchResult::UseUnit);
        QCOMPARE(result.config->flags(), quint16(0x03FF));
        QCOMPARE(result.config->module(1)->identifier(), quint32(0x11000006));
        QCOMPARE(fileBytes(moldFile()), before);
        QVERIFY(m_asked.isEmpty());
    }

    void otherModuleKindsLeaveTheFileAlone()
    {
        SystemConfig file = unitConfig();
        file.addModule(0x02000007);
        const QByteArray before = saveFile(file);
        QVERIFY(!before.isEmpty());

        QTest::ignoreMessage(QtDebugMsg, "CONFIG UNMATCHED.");
        const MatchResult result = SettingsMatcher().match(unitConfig());
        QCOMPARE(result.action, MatchResult::UseUnit);
        QCOMPARE(result.config->moduleCount(), 2);
        QCOMPARE(fileBytes(moldFile()), before);
        QVERIFY(m_asked.isEmpty());
    }

    void differentSettingsAreTheOperatorsChoice_data()
    {
        QTest::addColumn<bool>("overwriteFile");
        QTest::newRow("Overwrite File") << true;
        QTest::newRow("Overwrite Equipment") << false;
    }

    void differentSettingsAreTheOperatorsChoice()
    {
        QFETCH(bool, overwriteFile);
        m_overwriteFile = overwriteFile;
        SystemConfig file = unitConfig();
        raiseZone1Upper(file);
        file.module(0)->setIdentifier(0x01000099);
        const QByteArray before = saveFile(file);
        QVERIFY(!before.isEmpty());

        QTest::ignoreMessage(QtDebugMsg, "CONFIG UNMATCHED.");
        const MatchResult result = SettingsMatcher().match(unitConfig());
        QCOMPARE(m_asked, QStringList{QStringLiteral("MoldA")});
        if (overwriteFile) {
            QCOMPARE(result.action, MatchResult::UseUnitFileSaved);
            QVERIFY(result.config->equals(unitConfig()));
            const std::unique_ptr<SystemConfig> saved = readFile();
            QVERIFY(saved && saved->equals(withFileFlags(unitConfig())));
        } else {
            QCOMPARE(result.action, MatchResult::UseFileSendToUnit);
            file.setFlags(0x03FF);
            QVERIFY(result.config->equals(file));
            QCOMPARE(result.config->module(0)->identifier(), quint32(0x01000005));
            // The unit keeps the flag bits the file could not hold.
            QCOMPARE(result.config->flags(), quint16(0x03FF));
            QCOMPARE(fileBytes(moldFile()), before);
        }
    }

    void settingsNameThatLeavesTheFolderIsNotUsedAsAFileName()
    {
        const QString folder = m_folder->filePath(QStringLiteral("settings"));
        AppSettings().setValue(QStringLiteral("settingsPath"), folder);
        SystemConfig unit = unitConfig();
        unit.setName(QStringLiteral("../Escape"));
        QCOMPARE(SettingsMatcher().match(unit).action, MatchResult::UseUnit);
        QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList());
        QVERIFY(QDir(folder).isEmpty());
    }

private:
    QString moldFile() const { return m_folder->filePath(QStringLiteral("MoldA.xml")); }

    // Empty when the write failed, which the callers check.
    QByteArray saveFile(const SystemConfig& config)
    {
        MoldSettingsFile::write(config, moldFile());
        return fileBytes(moldFile());
    }

    std::unique_ptr<SystemConfig> readFile() const
    {
        return MoldSettingsFile::read(moldFile()).config;
    }

    std::unique_ptr<QTemporaryDir> m_folder;
    QList<UserPrompt::Message> m_messages;
    QList<UserPrompt::FileRequest> m_requests;
    QString m_chosenPath;
    QStringList m_asked;
    bool m_overwriteFile = true;
};

CVO_TEST_MAIN(TestMoldFiles)
#include "tst_moldfiles.moc"
