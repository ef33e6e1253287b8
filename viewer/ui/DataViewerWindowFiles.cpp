// The data viewer's file work: reading recorded files, the monitoring waveform and
// average files, and sending the monitoring waveform to the unit.
#include "DataViewerWindow.h"

#include "ControlPort.h"
#include "DataSetReader.h"
#include "GLPlotView.h"
#include "MonitoringWaveformSender.h"
#include "UserPrompt.h"
#include "ui_DataViewerWindow.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <atomic>

namespace {

void startProgress(QProgressDialog& progress)
{
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setValue(0);
}

// Reads on worker threads while the event loop runs the progress dialog; its Abort
// stops the reading between files.
DataSetReader::Result readWithProgress(const QStringList& paths, QProgressDialog& progress)
{
    std::atomic<bool> abort = false;
    std::atomic<int> done = 0;
    DataSetReader::Result result;
    std::unique_ptr<QThread> worker(QThread::create(
        [&] { result = DataSetReader::read(paths, 0, &abort, [&done](int n) { done = n; }); }));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QObject::connect(&progress, &QProgressDialog::canceled, &loop, [&abort] { abort = true; });
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] { progress.setValue(done); });
    tick.start(50);
    worker->start();
    loop.exec();
    worker->wait();
    return result;
}

} // namespace

void DataViewerWindow::on_openDataFileButton_clicked(bool)
{
    UserPrompt::FileRequest request{
        UserPrompt::FileKind::OpenFileNames, this,
        tr("Open Wave Data File"),           QString(),
        tr("CVO Data File(*.csv)"),          tr("Select Wave Data File")};
    const QStringList paths = UserPrompt::getOpenFileNames(request);
    if (!paths.isEmpty())
        openDataFiles(paths);
}

void DataViewerWindow::openDataFiles(const QStringList& paths)
{
    if (paths.size() > DataSetReader::MaxFiles) {
        UserPrompt::warning(this, tr("Open Error"), tr("Too many files.\n35 or less."));
        return;
    }
    m_waveformPath.clear();
    m_paths = paths;
    m_lengthNotice.clear();
    m_ui->dataListView->setFiles(paths);
    GLPlotView* plot = m_ui->plotView;
    plot->setDataFileCount(int(paths.size()));

    QProgressDialog progress(tr("Reading Data File..."), tr("Abort"), 0, int(paths.size()), this);
    startProgress(progress);
    DataSetReader::Result result = readWithProgress(paths, progress);
    if (!result.files.isEmpty()) {
        applyLayout(result.layout);
        plot->setDataFileCount(int(paths.size()));
        fillPlot(result.files);
    }
    progress.setValue(int(paths.size()));
    progress.close();

    if (!result.ok()) {
        const QString path = paths.value(result.failedFile);
        if (result.status == DataFileReader::OpenFailed)
            UserPrompt::warning(
                this, tr("Open Error"),
                tr("Can not open the file.\nPlease check whether you have permission to read."));
        else if (result.status == DataFileReader::NotDataFile)
            UserPrompt::warning(this, tr("File Format Error"),
                                tr("File \"%1\" is not a CVO Data file.").arg(path));
        else
            UserPrompt::warning(this, tr("Settings Mismatch Error"),
                                tr("File \"%1\" has different mold settings.").arg(path));
        updateNotice();
        return;
    }
    if (result.files.isEmpty())
        return;
    QStringList differing;
    for (int f : std::as_const(result.differingLength))
        differing << QFileInfo(paths.at(f)).fileName();
    if (!differing.isEmpty())
        m_lengthNotice = tr("Not the length of the first file (the statistics use the first "
                            "file's length): %1")
                             .arg(differing.join(QStringLiteral(", ")));
    computeAllStatistics();
    setAverageSliderLive(true);
    changeChannel(m_ui->channelComboBox->currentIndex());
    updateNotice();
}

void DataViewerWindow::fillPlot(const QList<QList<QList<float>>>& files)
{
    GLPlotView* plot = m_ui->plotView;
    for (int f = 0; f < files.size(); ++f) {
        for (int c = 0; c < plot->channelCount() && c < files.at(f).size(); ++c)
            plot->channel(c)->setDataFile(f, files.at(f).at(c));
    }
}

void DataViewerWindow::computeAllStatistics()
{
    GLPlotView* plot = m_ui->plotView;
    const int channels = plot->channelCount();
    QProgressDialog progress(tr("Calculating average and standard deviation..."), tr("Abort"), 0,
                             2 * channels, this);
    startProgress(progress);
    for (int c = 0; c < channels && !progress.wasCanceled(); ++c) {
        plot->recalculateAverage(c);
        progress.setValue(c);
    }
    for (int c = 0; c < channels && !progress.wasCanceled(); ++c) {
        plot->recalculateLimits(c);
        progress.setValue(channels + c);
    }
    progress.setValue(2 * channels);
}

MonitoringWaveform DataViewerWindow::monitoringWaveform() const
{
    const GLPlotView* plot = m_ui->plotView;
    MonitoringWaveform w;
    w.layout = m_layout;
    for (int c = 0; c < plot->channelCount(); ++c) {
        ChannelParameters p;
        p.averageSmoothing = plot->averageSmoothing(c);
        p.upperSigma = plot->upperSigma(c);
        p.upperSmoothing = plot->upperSmoothing(c);
        p.upperMinimumOffset = plot->upperMinimumOffset(c);
        p.upperTimeAllowance = plot->upperTimeAllowance(c);
        p.lowerSigma = -plot->lowerSigma(c);
        p.lowerSmoothing = plot->lowerSmoothing(c);
        p.lowerMinimumOffset = -plot->lowerMinimumOffset(c);
        p.lowerTimeAllowance = plot->lowerTimeAllowance(c);
        const GLRange range = plot->range(c, 0).value_or(GLRange());
        p.rangeStart = range.beginMs;
        p.rangeEnd = range.endMs;
        w.parameters << p;
        w.series << ChannelSeries{plot->average(c), plot->standardDeviation(c), plot->upperLimit(c),
                                  plot->lowerLimit(c)};
    }
    return w;
}

QString DataViewerWindow::chooseSavePath(const QString& caption, const QString& label,
                                         const QString& filter, const QString& suffix,
                                         const QString& preselected)
{
    return UserPrompt::getFileName(
        {UserPrompt::FileKind::SaveFileName, this, caption, preselected, filter, label, suffix});
}

bool DataViewerWindow::saveText(const QString& path, const QByteArray& text)
{
    if (MonitoringWaveformFile::write(path, text))
        return true;
    UserPrompt::warning(this, tr("Save Error"),
                        tr("Can not write to the file.\nPlease specify a file path you have "
                           "permission to write."));
    return false;
}

void DataViewerWindow::saveMonitoringWaveform(const QString& preselected, bool confirm)
{
    const QString path = chooseSavePath(
        tr("Save Monitoring Waveform File"), tr("Specify a monitoring waveform file name to save."),
        tr("CVO Monitoring Waveform File(*.wavcsv)"), QStringLiteral("wavcsv"), preselected);
    if (path.isEmpty())
        return;
    if (saveText(path, MonitoringWaveformFile::render(monitoringWaveform(),
                                                      QDateTime::currentDateTime())) &&
        confirm)
        UserPrompt::information(this, tr("Save Monitoring Waveform File"),
                                tr("Monitoring waveform file has been successfully save."));
}

void DataViewerWindow::on_saveButton_clicked(bool)
{
    saveMonitoringWaveform(QString(), false);
}

void DataViewerWindow::on_overwriteButton_clicked(bool)
{
    saveMonitoringWaveform(m_waveformPath, true);
}

void DataViewerWindow::on_saveAsReferenceButton_clicked(bool)
{
    const QString path =
        chooseSavePath(tr("Save Average Data File"), tr("Specify a average file name to save."),
                       tr("CVO Data File(*.csv)"), QStringLiteral("csv"), QString());
    if (!path.isEmpty())
        saveText(path, MonitoringWaveformFile::renderAverage(monitoringWaveform(),
                                                             QDateTime::currentDateTime()));
}

void DataViewerWindow::on_loadButton_clicked(bool)
{
    const QString path = UserPrompt::getFileName(
        {UserPrompt::FileKind::OpenFileName, this, tr("Open Monitoring Waveform File"), QString(),
         tr("CVO Monitoring Waveform File(*.wavcsv)"),
         tr("Specify a monitoring waveform file name to open.")});
    if (path.isEmpty())
        return;
    m_waveformPath = path;
    m_ui->overwriteButton->setEnabled(true);
    QProgressDialog progress(tr("Reading Monitoring Waveform File..."), tr("Abort"), 0, 0, this);
    startProgress(progress);
    const MonitoringWaveformFile::ReadResult result = MonitoringWaveformFile::read(
        path, [&progress](int channel) { progress.setValue(channel); });
    progress.close();
    if (result.status == MonitoringWaveformFile::OpenFailed) {
        UserPrompt::warning(
            this, tr("Open Error"),
            tr("Can not open the file.\nPlease check whether you have permission to read."));
        return;
    }
    if (result.waveform.layout.channelCount() > 0 &&
        (result.ok() || !result.waveform.series.isEmpty()))
        applyLoadedWaveform(result.waveform);
    if (!result.ok())
        UserPrompt::warning(
            this, tr("File Format Error"),
            tr("File \"%1\" is not a CVO Monitoring Waveform Data file.").arg(path));
}

void DataViewerWindow::applyLoadedWaveform(const MonitoringWaveform& w)
{
    GLPlotView* plot = m_ui->plotView;
    if (!m_layout.sameSettings(w.layout)) {
        // The recorded files shown belong to other mold settings.
        m_paths.clear();
        m_lengthNotice.clear();
        m_ui->dataListView->setFiles({});
        plot->setDataFileCount(0);
    }
    applyLayout(w.layout);
    for (int c = 0; c < w.series.size() && c < plot->channelCount(); ++c) {
        const ChannelParameters& p = w.parameters.at(c);
        plot->setAverageSmoothing(c, p.averageSmoothing);
        plot->setUpperLimitParameters(c, p.upperSigma, p.upperSmoothing, p.upperMinimumOffset,
                                      p.upperTimeAllowance);
        plot->setLowerLimitParameters(c, -p.lowerSigma, p.lowerSmoothing, -p.lowerMinimumOffset,
                                      p.lowerTimeAllowance);
        plot->setRange(c, 0, GLRange(p.rangeStart, p.rangeEnd, true));
        const ChannelSeries& s = w.series.at(c);
        plot->setAverage(c, s.average);
        plot->setStandardDeviation(c, s.deviation);
        plot->setUpperLimit(c, s.upper);
        plot->setLowerLimit(c, s.lower);
    }
    {
        const QSignalBlocker blocker(m_ui->channelComboBox);
        m_ui->channelComboBox->setCurrentIndex(0);
    }
    changeChannel(0);
    setAverageSliderLive(false);
    updateNotice();
}

void DataViewerWindow::on_sendToBUButton_clicked(bool)
{
    ControlPort port(m_unitAddress, m_unitPort);
    if (port.open() != 0) {
        UserPrompt::critical(this, tr("Communication Failure"),
                             tr("Unable to connect to BU.\nPlease check the connection."));
        return;
    }
    updateRangePlot();
    GLPlotView* plot = m_ui->plotView;
    QProgressDialog progress(tr("Sending Monitoring Waveform..."), tr("Abort"), 0,
                             plot->channelCount(), this);
    startProgress(progress);
    const MonitoringWaveformSender::Outcome outcome = MonitoringWaveformSender::send(
        port, monitoringWaveform(), [plot](int ch) { return plot->valueFactor(ch); },
        [&progress](int ch) {
            progress.setValue(ch);
            return !progress.wasCanceled();
        });
    progress.close();
    if (outcome.status == MonitoringWaveformSender::RangesFailed ||
        outcome.status == MonitoringWaveformSender::WaveformFailed) {
        UserPrompt::critical(this, tr("Communication Failure"),
                             tr("Unable to communicate with BU.\nPlease check the connection."));
        return;
    }
    if (outcome.status == MonitoringWaveformSender::Aborted)
        return;
    if (!outcome.skippedChannels.isEmpty()) {
        QStringList names;
        for (int ch : outcome.skippedChannels)
            names << m_ui->channelComboBox->itemText(ch);
        UserPrompt::warning(this, tr("Send Monitoring Waveform"),
                            tr("No monitoring waveform covers the range of these channels, so "
                               "they were not sent:\n%1")
                                .arg(names.join(QStringLiteral(", "))));
    }
    UserPrompt::information(this, tr("Send Monitoring Waveform"),
                            tr("Monitoring waveform data has been successfully sent."));
}
