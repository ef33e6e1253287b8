#include "AppSettings.h"
#include "ChannelConfig.h"
#include "ChannelSettingsWidget.h"
#include "GLPlotView.h"
#include "ModuleConfigBase.h"
#include "MoldConfigWindow.h"
#include "MoldFileController.h"
#include "SystemConfig.h"
#include "TestMain.h"
#include "UserPrompt.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

constexpr quint32 KrtUnitId = 0x11000A01;
constexpr quint32 ZrcUnitId = 0x01000B02;

SystemConfig krt24AndZrc(quint32 krtId, quint32 zrcId)
{
    SystemConfig config;
    config.setName(QStringLiteral("MOLD-7"));
    config.addModule(krtId);
    config.addModule(zrcId);
    config.module(0)->channel(2)->setTitle(QStringLiteral("Gate"));
    config.module(1)->channel(0)->setEnabled(false);
    return config;
}

} // namespace

class TestMoldConfigWindow : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        AppSettings().setValue("settingsPath", m_folder->path());
        m_messages.clear();
        UserPrompt::setMessageHandler([this](const UserPrompt::Message& m) {
            m_messages.append(m.text);
            return QMessageBox::Ok;
        });
    }
    void cleanup()
    {
        UserPrompt::setMessageHandler({});
        UserPrompt::setFileHandler({});
    }

    void treeShowsModulesAndChannelsAndFollowsTheChannelPage();
    void loadedFileKeepsTheUnitsModuleIdentifiers();
    void failedSaveKeepsTheEditorOpen();
    void channelPlotKeepsTheReferenceAndFullScaleWhenReopened();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QStringList m_messages;
};

void TestMoldConfigWindow::treeShowsModulesAndChannelsAndFollowsTheChannelPage()
{
    MoldConfigWindow window;
    window.setConfiguration(krt24AndZrc(KrtUnitId, ZrcUnitId), false);
    window.show();
    auto* tree = window.findChild<QTreeWidget*>("systemTreeWidget");
    QTreeWidgetItem* system = tree->topLevelItem(0);
    QCOMPARE(tree->currentItem(), system);
    QCOMPARE(system->childCount(), 2);
    QTreeWidgetItem* krt = system->child(0);
    QTreeWidgetItem* zrc = system->child(1);
    QCOMPARE(krt->text(0), window.configuration().module(0)->moduleLabel());
    QVERIFY(!krt->icon(0).isNull());
    QVERIFY(!zrc->icon(0).isNull());
    QCOMPARE(krt->childCount(), 8);
    QCOMPARE(zrc->childCount(), 4);
    // Channels are numbered across modules.
    QCOMPARE(krt->child(2)->text(0), QStringLiteral("3:Gate"));
    QVERIFY(zrc->child(0)->text(0).startsWith(QStringLiteral("9:")));
    const QImage enabledIcon = krt->child(0)->icon(0).pixmap(16).toImage();
    const QImage disabledIcon = zrc->child(0)->icon(0).pixmap(16).toImage();
    QVERIFY(enabledIcon != disabledIcon);

    // Disabling a channel on its page shows the red cross at once; renaming shows too.
    tree->setCurrentItem(krt->child(1));
    auto* page = window.findChild<ChannelSettingsWidget*>("channelSettingsPage");
    QCOMPARE(page->channel(), window.configuration().module(0)->channel(1));
    page->findChild<QComboBox*>("channelStateComboBox")->setCurrentIndex(1);
    QCOMPARE(krt->child(1)->icon(0).pixmap(16).toImage(), disabledIcon);
    QVERIFY(!window.configuration().module(0)->channel(1)->enabled());
    auto* name = page->findChild<QLineEdit*>("channelNameEdit");
    name->clear();
    QTest::keyClicks(name, QStringLiteral("Runner"));
    QCOMPARE(krt->child(1)->text(0), QStringLiteral("2:Runner"));
}

// LOAD REFERENCE comes before SETTINGS, which hands the editor the configuration in use
// again: the channel page still draws the reference, at the operator's full scale.
void TestMoldConfigWindow::channelPlotKeepsTheReferenceAndFullScaleWhenReopened()
{
    AppSettings().setValue(SettingKey::PressureDisplayRange, 25);
    MoldConfigWindow window;
    window.setConfiguration(krt24AndZrc(KrtUnitId, ZrcUnitId), false);
    const QList<GLWaveform> reference{GLWaveform(200, 8.0f), GLWaveform(200, 12.0f)};
    window.setReferenceWaveforms(reference, 5, QStringLiteral("all_MOLD-7_000001.csv"));
    window.setConfiguration(krt24AndZrc(KrtUnitId, ZrcUnitId), false);
    window.show();
    auto* tree = window.findChild<QTreeWidget*>("systemTreeWidget");
    tree->setCurrentItem(tree->topLevelItem(0)->child(0)->child(1));
    const GLPlotData* channel = window.findChild<GLPlotView*>("plotView")->channel(1);
    QCOMPARE(channel->referenceWaveform(), reference.at(1));
    QCOMPARE(channel->yMax(), 25.0f);
    AppSettings().setValue(SettingKey::PressureDisplayRange, 200);
}

void TestMoldConfigWindow::loadedFileKeepsTheUnitsModuleIdentifiers()
{
    // The file was written on another unit: same kinds, other serial numbers.
    const SystemConfig other = krt24AndZrc(0x11000F0F, 0x01000F0F);
    QCOMPARE(MoldFileController::instance().saveByName(other, QStringLiteral("OTHER")), 0);

    MoldConfigWindow window;
    window.setConfiguration(krt24AndZrc(KrtUnitId, ZrcUnitId), false);
    UserPrompt::setFileHandler(
        [this](const UserPrompt::FileRequest&) { return m_folder->filePath("OTHER.xml"); });
    window.on_loadButton_clicked();
    QCOMPARE(window.configuration().name(), QStringLiteral("OTHER"));
    QCOMPARE(window.configuration().module(0)->identifier(), KrtUnitId);
    QCOMPARE(window.configuration().module(1)->identifier(), ZrcUnitId);
}

void TestMoldConfigWindow::failedSaveKeepsTheEditorOpen()
{
    MoldConfigWindow window;
    window.setConfiguration(krt24AndZrc(KrtUnitId, ZrcUnitId), false);
    // A file in the way of the settings folder: nothing can be written there.
    AppSettings().setValue("settingsPath", m_folder->filePath("blocked/sub"));
    QFile blocker(m_folder->filePath("blocked"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    window.show();
    window.findChild<QPushButton*>("saveButton")->click();
    QVERIFY(window.isVisible());
    QCOMPARE(window.result(), int(QDialog::Rejected));
    QCOMPARE(m_messages.size(), 1);
}

CVO_TEST_MAIN(TestMoldConfigWindow)
#include "tst_moldconfigwindow.moc"
