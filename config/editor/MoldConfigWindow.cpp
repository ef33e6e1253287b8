#include "MoldConfigWindow.h"

#include "ChannelConfig.h"
#include "ChannelSettingsWidget.h"
#include "ModuleConfigBase.h"
#include "ModuleSettingsWidget.h"
#include "MoldFileController.h"
#include "SystemConfig.h"
#include "SystemConfigReader.h"
#include "SystemSettingsWidget.h"
#include "SystemTreeWidgetItem.h"
#include "UnitTransfers.h"
#include "ui_MoldConfigWindow.h"

#include <QDebug>
#include <QEvent>
#include <QPixmap>

// Icons live in this static library; its resources must be registered by hand.
static void initEditorResources()
{
    Q_INIT_RESOURCE(editor);
}

namespace {

QString moduleIconPath(int typeCode)
{
    switch (typeCode) {
    case 1:
        return QStringLiteral(":/images/zrcIcon.png");
    case 2:
        return QStringLiteral(":/images/zrbIcon.png");
    case 3:
        return QStringLiteral(":/images/zraIcon.png");
    case 17:
        return QStringLiteral(":/images/krt24Icon.png");
    case 64:
        return QStringLiteral(":/images/buIcon.png");
    default:
        return QString();
    }
}

QIcon enabledIcon(bool enabled)
{
    return QIcon(enabled ? QStringLiteral(":/images/greenCircleIcon.png")
                         : QStringLiteral(":/images/redCrossIcon.png"));
}

} // namespace

MoldConfigWindow::MoldConfigWindow(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::moldConfigWindow>()),
      m_config(std::make_unique<SystemConfig>())
{
    initEditorResources();
    m_ui->setupUi(this);
    m_ui->splitter->setStretchFactor(1, 1);
    m_ui->splitter->setSizes({260, 940});
    connect(m_ui->systemTreeWidget, &QTreeWidget::currentItemChanged, this,
            &MoldConfigWindow::selectionChanged);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connectPages();
    setConfiguration(SystemConfig(), false);
}

MoldConfigWindow::~MoldConfigWindow() = default;

void MoldConfigWindow::connectPages()
{
    ModuleSettingsWidget* module = m_ui->moduleSettingsPage;
    ChannelSettingsWidget* channel = m_ui->channelSettingsPage;
    connect(module, &ModuleSettingsWidget::moduleNameChanged, this,
            &MoldConfigWindow::updateModuleName);
    connect(module, &ModuleSettingsWidget::channelNameChanged, this,
            &MoldConfigWindow::updateChannelName);
    connect(module, &ModuleSettingsWidget::channelEnabledFlagChanged, this,
            &MoldConfigWindow::updateChannelEnabledFlag);
    connect(module, &ModuleSettingsWidget::moduleEnabledFlagChanged, this,
            [this](int moduleIndex, bool enabled) {
                updateChannelEnabledFlag(moduleIndex, -1, enabled);
            });
    connect(channel, &ChannelSettingsWidget::channelNameChanged, this,
            &MoldConfigWindow::updateChannelName);
    connect(channel, &ChannelSettingsWidget::channelEnabledFlagChanged, this,
            &MoldConfigWindow::updateChannelEnabledFlag);
    connect(channel, &ChannelSettingsWidget::applyToAllChannelRequested, this,
            &MoldConfigWindow::applyChannelSettingsToAll);
}

void MoldConfigWindow::setConfiguration(const SystemConfig& config, bool keepIdentifiers)
{
    QList<quint32> identifiers;
    for (int m = 0; m < m_config->moduleCount(); ++m)
        identifiers.append(m_config->module(m)->identifier());
    // The pages point into the copy: let go of it before it changes shape.
    m_ui->systemTreeWidget->clear();
    m_systemItem = nullptr;
    m_moduleItem = nullptr;
    *m_config = config;
    if (keepIdentifiers) {
        const int n = qMin(int(identifiers.size()), m_config->moduleCount());
        for (int m = 0; m < n; ++m)
            m_config->module(m)->setIdentifier(identifiers.at(m));
    }
    m_ui->systemSettingsPage->setSystemConfig(m_config.get());
    m_ui->moduleSettingsPage->setSystemConfig(m_config.get());
    m_ui->channelSettingsPage->setSystemConfig(m_config.get());
    settingsNameChanged();
    rebuildTree();
    selectSystemItem();
}

void MoldConfigWindow::settingsNameChanged()
{
    m_ui->channelSettingsPage->setSettingsName(m_config->name());
    // "Save" writes under the current name; without one only "Save As..." can.
    m_ui->saveButton->setEnabled(!m_config->name().isEmpty());
}

QString MoldConfigWindow::channelText(int globalIndex, const QString& title)
{
    return QStringLiteral("%1:%2").arg(globalIndex + 1).arg(title);
}

void MoldConfigWindow::rebuildTree()
{
    QTreeWidget* tree = m_ui->systemTreeWidget;
    tree->clear();
    m_systemItem = new SystemTreeWidgetItem(tree, m_config.get());
    m_systemItem->setText(0, tr("System"));
    int global = 0;
    for (int m = 0; m < m_config->moduleCount(); ++m) {
        ModuleConfigBase* module = m_config->module(m);
        auto* moduleItem = new SystemTreeWidgetItem(m_systemItem, module, m);
        moduleItem->setText(0, module->moduleLabel());
        const QString icon = moduleIconPath(module->typeCode());
        if (!icon.isEmpty()) {
            const QPixmap picture(icon);
            moduleItem->setIcon(0, QIcon(picture));
            tree->setIconSize(picture.size());
        }
        for (int c = 0; c < module->channelCount(); ++c, ++global) {
            ChannelConfig* channel = module->channel(c);
            auto* channelItem = new SystemTreeWidgetItem(moduleItem, channel, m, c);
            channelItem->setText(0, channelText(global, channel->displayTitle()));
            channelItem->setIcon(0, enabledIcon(channel->enabled()));
        }
        moduleItem->setExpanded(true);
    }
    m_systemItem->setExpanded(true);
}

void MoldConfigWindow::selectSystemItem()
{
    if (m_systemItem)
        m_ui->systemTreeWidget->setCurrentItem(m_systemItem);
}

void MoldConfigWindow::selectionChanged(QTreeWidgetItem* current, QTreeWidgetItem*)
{
    auto* item = static_cast<SystemTreeWidgetItem*>(current);
    if (!item)
        return;
    switch (item->level()) {
    case SystemTreeWidgetItem::SystemLevel:
        m_ui->rightPane->setCurrentWidget(m_ui->systemSettingsPage);
        break;
    case SystemTreeWidgetItem::ModuleLevel:
        m_moduleItem = item;
        m_ui->moduleSettingsPage->setModule(item->module(), item->moduleIndex());
        m_ui->rightPane->setCurrentWidget(m_ui->moduleSettingsPage);
        break;
    case SystemTreeWidgetItem::ChannelLevel:
        m_ui->channelSettingsPage->setChannel(item->channel(), item->moduleIndex(),
                                              item->channelIndex());
        m_ui->rightPane->setCurrentWidget(m_ui->channelSettingsPage);
        break;
    }
}

void MoldConfigWindow::setConnected(bool connected)
{
    m_connected = connected;
    m_ui->readFromBUButton->setEnabled(connected);
    m_ui->moduleSettingsPage->setConnected(connected);
}

void MoldConfigWindow::setReferenceWaveforms(const QList<GLWaveform>& waveforms, int interval,
                                             const QString& fileName)
{
    m_ui->channelSettingsPage->setReferenceWaveforms(waveforms, interval, fileName);
}

void MoldConfigWindow::on_readFromBUButton_clicked()
{
    SystemConfigReader reader(this);
    if (!reader.read()) {
        reportCommunicationFailure(this);
        return;
    }
    setConfiguration(*reader.config(), false);
}

void MoldConfigWindow::setShotLogFolder(const QString& folder)
{
    m_ui->channelSettingsPage->setShotLogFolder(folder);
}

void MoldConfigWindow::on_saveButton_clicked()
{
    MoldFileController& files = MoldFileController::instance();
    files.setDialogParent(this);
    // A failed write was told to the operator; the edits stay here to save elsewhere.
    if (files.saveByName(*m_config, m_config->name()) == 0)
        accept();
}

void MoldConfigWindow::on_saveAsButton_clicked()
{
    MoldFileController& files = MoldFileController::instance();
    files.setDialogParent(this);
    files.ensureSettingsFolder();
    if (files.saveAsWithDialog(*m_config) != 0)
        return;
    m_config->setName(files.settingsName());
    settingsNameChanged();
    accept();
}

void MoldConfigWindow::on_loadButton_clicked()
{
    MoldFileController& files = MoldFileController::instance();
    files.setDialogParent(this);
    const std::unique_ptr<SystemConfig> loaded = files.openWithDialog();
    if (!loaded)
        return;
    setConfiguration(*loaded, true);
}

SystemTreeWidgetItem* MoldConfigWindow::findItem(int module, int channel) const
{
    if (!m_systemItem || module < 0)
        return m_systemItem;
    if (module >= m_systemItem->childCount())
        return nullptr;
    auto* moduleItem = static_cast<SystemTreeWidgetItem*>(m_systemItem->child(module));
    if (channel < 0)
        return moduleItem;
    if (channel >= moduleItem->childCount())
        return nullptr;
    return static_cast<SystemTreeWidgetItem*>(moduleItem->child(channel));
}

void MoldConfigWindow::updateChannelName(int module, int channel, const QString& text)
{
    SystemTreeWidgetItem* item = findItem(module, channel);
    if (!item || item->level() != SystemTreeWidgetItem::ChannelLevel)
        return;
    item->setText(0, channelText(m_config->globalChannelIndex(module, channel), text));
}

void MoldConfigWindow::updateModuleName(int, const QString&)
{
    if (m_moduleItem)
        m_moduleItem->setText(0, m_moduleItem->module()->moduleLabel());
}

void MoldConfigWindow::updateChannelEnabledFlag(int module, int channel, bool enabled)
{
    SystemTreeWidgetItem* item = findItem(module, channel);
    if (!item)
        return;
    if (item->level() == SystemTreeWidgetItem::ChannelLevel) {
        item->setIcon(0, enabledIcon(enabled));
    } else {
        // A module or the system keeps its kind's icon; a disabled one is shown greyed.
        item->setForeground(0, enabled ? palette().text() : palette().placeholderText());
    }
}

void MoldConfigWindow::applyChannelSettingsToAll(int module, int channel)
{
    ModuleConfigBase* target = m_config->module(module);
    if (!target)
        return;
    target->applyChannelToAll(channel);
    m_ui->channelSettingsPage->refreshPlot();
}

void MoldConfigWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        if (m_systemItem)
            m_systemItem->setText(0, tr("System"));
    }
    QDialog::changeEvent(event);
}
