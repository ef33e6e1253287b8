// The window's helpers around the shots: recorder, molding machine link, channel details,
// status display and display settings.

#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "AdminWindow.h"
#include "AppSettings.h"
#include "ChannelDetailsView.h"
#include "ChannelDisplaySettings.h"
#include "DisplaySettingsWindow.h"
#include "FileController.h"
#include "GLPlotView.h"
#include "MoldMachineSettingsDialog.h"
#include "MoldMachineTable.h"
#include "RawDataSaveWorker.h"
#include "ReferenceFileReader.h"
#include "SerialPacket.h"
#include "ShotData.h"
#include "SystemConfig.h"
#include "SystemStatusWidget.h"
#include "UserPrompt.h"

#include <QDebug>
#include <QFileInfo>
#include <QLabel>
#include <QMap>
#include <QScrollArea>

void MainWindow::createRecorder()
{
    AppSettings settings;
    m_fileController->setSaveLog(settings.saveLog());
    m_fileController->setSaveAlarmWave(settings.saveAlarmWave());
    m_fileController->setSaveAllWave(settings.saveAllWave());
    // The buffers travel to the worker thread by pointer (queued calls and its signals).
    qRegisterMetaType<ShotData*>("ShotData*");
    m_rawDataSaveWorker = std::make_unique<RawDataSaveWorker>(m_fileController);
    // Handled here, on the thread that fills the buffers, so the worker is told which shot
    // and verdict each request is about before the buffer can move on to a later shot.
    RawDataSaveWorker* worker = m_rawDataSaveWorker.get();
    connect(this, &MainWindow::beginRawDataSaving, this,
            [worker](ShotData* shot) { worker->requestNewRawDataFile(shot); });
    connect(this, &MainWindow::saveRawData, this,
            [worker](ShotData* shot, bool final) { worker->requestRawDataSave(shot, final); });
    connect(worker, &RawDataSaveWorker::recordingStatusChanged, this,
            &MainWindow::showRecordingStatus, Qt::QueuedConnection);
    connect(this, &MainWindow::shotLogRequested, this,
            [worker](ShotData* shot) { worker->requestShotLog(shot); });
    connect(m_adminWindow, &AdminWindow::saveDataTypesChanged, m_fileController,
            [this](bool log, bool alarmWave, bool allWave) {
                m_fileController->setSaveLog(log);
                m_fileController->setSaveAlarmWave(alarmWave);
                m_fileController->setSaveAllWave(allWave);
            });
}

// No message box: a failing disk would raise one per shot.
void MainWindow::showRecordingStatus(bool ok, const QString& reason)
{
    m_recordingStatusLabel->setStyleSheet(ok ? QString()
                                             : QStringLiteral("background-color: red;"));
    m_recordingStatusLabel->setToolTip(ok ? tr("Recording") : reason);
}

void MainWindow::createMachineLink()
{
    m_serialPacket = new SerialPacket(this);
    connect(m_serialPacket, &SerialPacket::statusUpdate, this,
            [this](SerialPacket::Status status) { mmcStatusUpdated(int(status)); });
    connect(m_serialPacket, &SerialPacket::packetAllFinished, this, &MainWindow::serialReciveDebug);
    connect(this, &MainWindow::machineShotStarted, m_serialPacket, &SerialPacket::resetReception);
    connect(this, &MainWindow::machineShotEnded, m_serialPacket, &SerialPacket::start);
    m_serialPacket->loadMachineFile(MoldMachineTable::settingsFilePath());
}

void MainWindow::mmcStatusUpdated(int status)
{
    if (!isVisible())
        return;
    qDebug() << "Serial Update * " << status;
    static const QMap<int, QString> styles = {
        {SerialPacket::Idle, QStringLiteral("background-color: whitesmoke;")},
        {SerialPacket::PortOpenError, QStringLiteral("background-color: red;")},
        {SerialPacket::Sending, QStringLiteral("background-color: lawngreen;")},
        {SerialPacket::Received, QStringLiteral("background-color: yellow;")},
        {SerialPacket::Timeout, QStringLiteral("background-color: orange;")},
    };
    const auto style = styles.constFind(status);
    if (style != styles.constEnd())
        m_mmcStatusLabel->setStyleSheet(*style);
}

void MainWindow::serialReciveDebug(int* error)
{
    qDebug("Mold Machine Communication Finished !!");
    qDebug() << "Err=" << (error ? *error : 0);
    for (const MoldMachineRecord& record : m_serialPacket->records())
        qDebug() << record.id << record.name << record.reply;
    if (ShotData* shot = currentShot())
        m_rawDataSaveWorker->requestMachineLog(m_serialPacket, shot);
}

void MainWindow::on_actionMoldMachine_triggered()
{
    const QString path = MoldMachineTable::settingsFilePath();
    m_moldMachineDialog->setFilePath(path);
    m_moldMachineDialog->load();
    const int result = runWithPacketsSuspended(m_moldMachineDialog);
    qDebug() << "m_moldMachineSettingsDialog exec =" << result;
    if (result == QDialog::Accepted) {
        m_serialPacket->loadMachineFile(path);
        m_rawDataSaveWorker->requestMachineLogHeader(m_serialPacket);
    }
}

void MainWindow::connectDetailsViews()
{
    ChannelDetailsView* details = m_ui->channelDetailsView;
    connect(this, &MainWindow::configurationApplied, details, &ChannelDetailsView::rebuild);
    connect(this, &MainWindow::configurationApplied, m_ui->systemStatusWidget,
            [this](const SystemConfig& config) { m_ui->systemStatusWidget->update(config); });
    connect(this, &MainWindow::moduleFlagsUpdated, m_ui->systemStatusWidget,
            [this](const QList<bool>& flags) {
                m_ui->systemStatusWidget->update(*m_systemConfig, flags);
            });
    connect(this, &MainWindow::shotStarted, details, &ChannelDetailsView::clearValues);
    connect(this, &MainWindow::shotRefreshed, this,
            [this](ShotData* shot) { showChannelValues(shot, false); });
    connect(this, &MainWindow::shotEnded, this,
            [this](ShotData* shot) { showChannelValues(shot, true); });
    connect(details, &ChannelDetailsView::plotVisibilityChanged, this, &MainWindow::redrawPlot);
    connect(details, &ChannelDetailsView::plotColorChanged, this,
            &MainWindow::plotColorChangeRequested);
    connect(details, &ChannelDetailsView::focusChannelChanged, this,
            &MainWindow::changeFocusChannel);
    connect(details, &ChannelDetailsView::resized, this,
            &MainWindow::resizeChannelDetailsScrollArea);
    connect(m_ui->systemStatusWidget, &SystemStatusWidget::moduleSettingsActivate, this,
            &MainWindow::moduleSettingsWindowRequested);
}

void MainWindow::setUpPlot()
{
    GLPlotView* plot = m_ui->plotView;
    plot->setChannelCount(ShotData::DefaultChannelCount);
    // Viewing tools only: an edit here would move a zone on the screen while the unit
    // keeps judging against the old one. The hand tool last, so the plot starts with it.
    plot->setupToolbar({GLPlotView::IntegralCursorItem, GLPlotView::CursorItem,
                        GLPlotView::AllZoomItem, GLPlotView::SingleZoomItem, GLPlotView::HandItem,
                        GLPlotView::SeparatorItem, GLPlotView::FullScaleItem, GLPlotView::FitXItem,
                        GLPlotView::FitFocusedYItem, GLPlotView::FitAllYItem,
                        GLPlotView::SeparatorItem, GLPlotView::ShowOverwriteItem,
                        GLPlotView::ShowZoneItem, GLPlotView::ShowPointItem,
                        GLPlotView::ShowReferenceItem, GLPlotView::ShowWaveformItem});
    plot->setMode(LiveMode);
    connect(this, &MainWindow::configurationApplied, plot, [this](const SystemConfig& config) {
        GLPlotView* view = m_ui->plotView;
        view->setObservationPeriod(int(config.period()) * 1000);
        view->setSamplingInterval(config.samplingInterval());
        for (int c = 0; c < config.channelCount(); ++c)
            view->applyChannelConfig(c, *config.channelAt(c));
        for (int c = config.channelCount(); c < ShotData::DefaultChannelCount; ++c)
            view->setChannelEnabled(c, false);
        view->setMoldName(config.name());
        applyDisplaySettings();
        view->setPressureFullScale(float(AppSettings().pressureDisplayRange()));
        // The axis and the value tools follow the channel the details view highlights;
        // without a focused channel the value axis would show 0 to 1.
        view->setFocusChannel(m_ui->channelDetailsView->focusChannel());
    });
    connect(this, &MainWindow::shotStarted, plot, &GLPlotView::startNewShot);
    connect(this, &MainWindow::overwriteHistoryResetRequested, plot, &GLPlotView::clearHistory);
    connect(this, &MainWindow::referenceWaveformsLoaded, plot,
            qOverload<const QList<GLWaveform>&, int, const QString&>(
                &GLPlotView::setReferenceWaveforms));
}

void MainWindow::plotSamples(ShotData* shot)
{
    GLPlotView* plot = m_ui->plotView;
    const int count = std::min(shot->channelCount(), ShotData::DefaultChannelCount);
    for (int c = 0; c < count; ++c) {
        // Only the samples the plot lacks, so that a refresh never costs the whole shot so
        // far, whatever the copy of a channel's samples costs.
        const ChannelShotData* channel = shot->channel(c);
        const qsizetype held = plot->shotSampleCount(c);
        if (channel && held >= 0)
            plot->appendSamples(c, channel->samples(held), held);
    }
}

void MainWindow::showChannelValues(ShotData* shot, bool withIntegral)
{
    plotSamples(shot);
    ChannelDetailsView* details = m_ui->channelDetailsView;
    const int count = shot->channelCount();
    for (int c = 0; c < count; ++c) {
        const ChannelShotData* channel = shot->channel(c);
        if (!channel)
            continue;
        details->setValues(c, channel->peak(), channel->sum());
        if (withIntegral)
            details->setIntegral(c, channel->integral());
    }
}

void MainWindow::redrawPlot()
{
    applyDisplaySettings();
}

void MainWindow::plotColorChangeRequested()
{
    applyDisplaySettings();
}

// Colours, visibility, history and opacities live in the settings store; the views show
// what it holds.
void MainWindow::applyDisplaySettings()
{
    GLPlotView* plot = m_ui->plotView;
    {
        AppSettings settings;
        plot->setOverwriteMaximum(settings.overwriteMax());
        plot->setClearOverwriteOnMaximum(settings.clearOverwriteOnMax());
        plot->setOverwriteOpacity(float(settings.overwriteOpacity()));
        plot->setGridOpacity(float(settings.gridOpacity()));
        plot->setReferenceWaveformOpacity(float(settings.referenceWaveformOpacity()));
        plot->setRangeOpacity(float(settings.rangeOpacity()));
    }
    ChannelDisplaySettings display;
    for (int c = 0; c < m_systemConfig->channelCount(); ++c) {
        const ChannelDisplaySettings::Entry entry = display.entry(c);
        m_ui->channelDetailsView->setChannelDisplay(c, entry.color, entry.visible);
        plot->setChannelColor(c, entry.color);
        plot->setChannelVisible(c, entry.visible);
    }
}

void MainWindow::on_actionDisplaySettings_triggered()
{
    const int result = runWithPacketsSuspended(m_displaySettingsWindow);
    applyDisplaySettings();
    if (result == QDialog::Accepted && m_displaySettingsWindow->pressureDisplayRangeChanged())
        m_ui->plotView->setPressureFullScale(float(AppSettings().pressureDisplayRange()));
}

void MainWindow::changeFocusChannel(quint8 channel)
{
    m_focusChannel = channel;
    m_ui->plotView->setFocusChannel(channel);
}

void MainWindow::resizeChannelDetailsScrollArea(int width)
{
    m_ui->channelDetailsScrollArea->setFixedWidth(width);
}

void MainWindow::writeLogHeader(int event)
{
    m_fileController->setSettingsName(m_systemConfig->name());
    m_rawDataSaveWorker->requestLogHeader(m_systemConfig->channelCount(),
                                          FileController::LogEvent(event));
}

void MainWindow::on_loadReferenceButton_clicked()
{
    loadReferenceFile();
}

void MainWindow::on_actionOpenReferenceFile_triggered()
{
    loadReferenceFile();
}

void MainWindow::loadReferenceFile()
{
    const QString path = UserPrompt::getOpenFileName(this, tr("Open Reference Wave Data File"),
                                                     m_dataFolder, tr("CVO Data File(*.csv)"));
    if (path.isEmpty())
        return;
    qDebug() << "Ref file:" << path;
    const ReferenceFileReader::Result result = ReferenceFileReader::read(path);
    if (!result.ok()) {
        UserPrompt::warning(this, result.title, result.text);
        return;
    }
    qDebug() << "Sampling Interval=" << result.samplingInterval;
    Q_EMIT referenceWaveformsLoaded(result.waveforms, result.samplingInterval,
                                    QFileInfo(path).fileName());
}
