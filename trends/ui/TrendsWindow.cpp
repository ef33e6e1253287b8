#include "TrendsWindow.h"

#include "ChannelConfig.h"
#include "RecordText.h"
#include "SystemConfig.h"
#include "TrendChart.h"
#include "TrendCsv.h"
#include "UserPrompt.h"
#include "WholeFile.h"
#include "ui_TrendsWindow.h"

#include <QCursor>
#include <QDir>
#include <QEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolTip>
#include <QtConcurrent>

#include <cmath>

namespace {

// How many daily logs back "last shots" may reach when the newest hold too few.
constexpr int MaxDaysBack = 7;

QString number(double value)
{
    return std::isfinite(value) ? QString::number(value, 'g', 6) : QStringLiteral("-");
}

QString capability(double value)
{
    return std::isfinite(value) ? QString::number(value, 'f', 2) : QStringLiteral("-");
}

} // namespace

TrendsWindow::TrendsWindow(QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::trendsWindow>()),
      m_config(std::make_unique<SystemConfig>())
{
    m_ui->setupUi(this);
    setWindowFlag(Qt::Window);
    m_chart = new TrendChart(m_ui->chartView);
    const QDate today = QDate::currentDate();
    m_ui->fromDateEdit->setDate(today);
    m_ui->toDateEdit->setDate(today);
    fillItems();
    connectControls();
    showStatus();
}

TrendsWindow::~TrendsWindow()
{
    // The reading in flight only fills its own result; nothing of this window.
    m_watcher.waitForFinished();
}

void TrendsWindow::connectControls()
{
    Ui::trendsWindow* ui = m_ui.get();
    connect(&m_watcher, &QFutureWatcher<Load>::finished, this, &TrendsWindow::loadFinished);
    connect(ui->channelComboBox, &QComboBox::currentIndexChanged, this, &TrendsWindow::reload);
    connect(ui->itemComboBox, &QComboBox::currentIndexChanged, this, &TrendsWindow::redraw);
    connect(ui->rangeComboBox, &QComboBox::currentIndexChanged, this, [this] {
        showRangeControls();
        reload();
    });
    showRangeControls();
    connect(ui->shotCountSpinBox, &QSpinBox::editingFinished, this, &TrendsWindow::reload);
    connect(ui->fromDateEdit, &QDateEdit::dateChanged, this, &TrendsWindow::reload);
    connect(ui->toDateEdit, &QDateEdit::dateChanged, this, &TrendsWindow::reload);
    connect(ui->reloadButton, &QPushButton::clicked, this, &TrendsWindow::reload);
    connect(ui->exportPngButton, &QPushButton::clicked, this, &TrendsWindow::exportPng);
    connect(ui->exportCsvButton, &QPushButton::clicked, this, &TrendsWindow::exportCsv);
    connect(ui->closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(m_chart, &TrendChart::pointHovered, this, &TrendsWindow::showHoveredShot);
}

// The shot count for the last shots, the dates otherwise.
void TrendsWindow::showRangeControls()
{
    const bool last = showsLastShots();
    m_ui->shotCountSpinBox->setVisible(last);
    m_ui->fromDateEdit->setVisible(!last);
    m_ui->toLabel->setVisible(!last);
    m_ui->toDateEdit->setVisible(!last);
}

void TrendsWindow::setLogSource(const QString& dataFolder, const QString& settingsName)
{
    m_dataFolder = dataFolder;
    m_settingsName = settingsName;
}

void TrendsWindow::setSystemConfig(const SystemConfig& config)
{
    *m_config = config;
    fillChannels();
    redraw();
}

void TrendsWindow::fillChannels()
{
    QComboBox* combo = m_ui->channelComboBox;
    const QSignalBlocker blocker(combo);
    const int current = std::max(0, combo->currentIndex());
    combo->clear();
    for (int c = 0; c < m_config->channelCount(); ++c)
        combo->addItem(tr("CH%1: %2").arg(c + 1).arg(m_config->channelAt(c)->displayTitle()));
    combo->setCurrentIndex(std::min(current, combo->count() - 1));
}

void TrendsWindow::fillItems()
{
    QComboBox* combo = m_ui->itemComboBox;
    const QSignalBlocker blocker(combo);
    const int current = std::max(0, combo->currentIndex());
    combo->clear();
    for (TrendItem item : TrendItems::all())
        combo->addItem(TrendItems::displayName(item));
    combo->setCurrentIndex(current);
}

int TrendsWindow::channel() const
{
    return std::max(0, m_ui->channelComboBox->currentIndex());
}

TrendItem TrendsWindow::item() const
{
    return TrendItem(std::clamp(m_ui->itemComboBox->currentIndex(), 0, TrendItemCount - 1));
}

bool TrendsWindow::showsLastShots() const
{
    return m_ui->rangeComboBox->currentIndex() == 0;
}

void TrendsWindow::reload()
{
    const QList<ShotLogFiles::File> all = ShotLogFiles::list(m_dataFolder, m_settingsName);
    const int generation = ++m_generation;
    const int channel = this->channel();
    m_loading = true;
    if (showsLastShots()) {
        const int wanted = m_ui->shotCountSpinBox->value();
        m_watcher.setFuture(QtConcurrent::run([all, channel, wanted, generation] {
            const auto enough = [wanted](const ShotLogReader& reader) {
                return reader.shots().size() + reader.shotsWithoutChannel() >= wanted;
            };
            return Load{ShotLogFiles::readRecent(all, channel, enough, MaxDaysBack), generation};
        }));
    } else {
        const QList<ShotLogFiles::File> files =
            ShotLogFiles::between(all, m_ui->fromDateEdit->date(), m_ui->toDateEdit->date());
        m_watcher.setFuture(QtConcurrent::run([files, channel, generation] {
            return Load{ShotLogFiles::read(files, channel), generation};
        }));
    }
    showStatus();
}

void TrendsWindow::loadFinished()
{
    Load load = m_watcher.result();
    if (load.generation != m_generation)
        return;
    m_loading = false;
    m_shots = std::move(load.result.shots);
    m_read = std::move(load.result);
    // The worker may have written some of these before the logs were read.
    const qint64 last = m_shots.isEmpty() ? 0 : m_shots.last().timeMs;
    for (TrendShot& shot : m_liveWhileLoading) {
        if (shot.timeMs > last) {
            shot.segment = m_read.currentSegment;
            m_shots.append(shot);
        }
    }
    m_liveWhileLoading.clear();
    keepLastShots();
    redraw();
    showStatus();
    Q_EMIT trendLoaded();
}

void TrendsWindow::appendShot(const ShotLogFormat::Shot& shot)
{
    const int c = channel();
    if (c >= shot.channels.size() || !shot.channels[c].enabled)
        return;
    if (!showsLastShots() && (shot.shotTime.date() < m_ui->fromDateEdit->date() ||
                              shot.shotTime.date() > m_ui->toDateEdit->date()))
        return;
    const ShotLogFormat::ChannelResult& r = shot.channels[c];
    TrendShot point;
    point.timeMs = shot.shotTime.toMSecsSinceEpoch();
    point.shotNumber = quint32(shot.shotNumber);
    point.ok = std::all_of(shot.channels.cbegin(), shot.channels.cend(),
                           [](const ShotLogFormat::ChannelResult& any) { return any.flags == 0; });
    point.segment = m_read.currentSegment;
    point.values = {r.peak,          r.timeAtPeak,      r.valueAtPoint,
                    r.peakOverEject, float(r.integral), float(r.integralToPeak),
                    r.slope};
    if (m_loading) {
        m_liveWhileLoading.append(point);
        return;
    }
    m_shots.append(point);
    keepLastShots();
    scheduleRedraw();
}

void TrendsWindow::keepLastShots()
{
    const qsizetype wanted = m_ui->shotCountSpinBox->value();
    if (showsLastShots() && m_shots.size() > wanted)
        m_shots.remove(0, m_shots.size() - wanted);
}

// Shots may end in bursts; one redraw covers every shot that came in meanwhile.
void TrendsWindow::scheduleRedraw()
{
    if (m_redrawPending)
        return;
    m_redrawPending = true;
    QTimer::singleShot(0, this, [this] {
        m_redrawPending = false;
        redraw();
    });
}

int TrendsWindow::pointCount() const
{
    return m_chart->pointCount();
}

void TrendsWindow::redraw()
{
    const int c = channel();
    const ChannelConfig* config = c < m_config->channelCount() ? m_config->channelAt(c) : nullptr;
    const ChannelConfig fallback;
    const ChannelConfig& channel = config ? *config : fallback;
    const TrendItem item = this->item();
    const TrendBand band = config ? TrendItems::band(item, channel) : TrendBand{};
    const double scale = TrendItems::displayScale(item, channel);
    QList<double> values;
    values.reserve(m_shots.size());
    for (const TrendShot& shot : std::as_const(m_shots)) {
        if (shot.has(item))
            values.append(shot.value(item) * scale);
    }
    const TrendBand shown{band.hasLower, band.hasUpper, band.lower * scale, band.upper * scale};
    m_statistics = TrendStatistics::compute(values, shown);
    const QString title =
        tr("CH%1: %2").arg(c + 1).arg(config ? channel.displayTitle() : QString()) +
        QStringLiteral(" - ") + TrendItems::displayName(item);
    const QString unit = TrendItems::unitText(item, channel);
    const QString valueTitle = TrendItems::displayName(item) +
                               (unit.isEmpty() ? QString() : QStringLiteral(" [%1]").arg(unit));
    m_chart->show(m_shots, item, scale, band, m_statistics.mean, title, valueTitle);
    showStatistics(shown);
}

void TrendsWindow::showStatistics(const TrendBand& band)
{
    Ui::trendsWindow* ui = m_ui.get();
    ui->countLabel->setText(QString::number(m_statistics.count));
    ui->meanLabel->setText(number(m_statistics.mean));
    ui->sigmaLabel->setText(number(m_statistics.sigma));
    ui->lowerLabel->setText(band.hasLower ? number(band.lower) : QStringLiteral("-"));
    ui->upperLabel->setText(band.hasUpper ? number(band.upper) : QStringLiteral("-"));
    ui->cpLabel->setText(capability(m_statistics.cp));
    ui->cpkLabel->setText(capability(m_statistics.cpk));
}

void TrendsWindow::showStatus()
{
    QStringList parts;
    if (m_loading) {
        parts << tr("Reading the shot logs...");
    } else if (ShotLogFiles::list(m_dataFolder, m_settingsName).isEmpty()) {
        parts << tr("No shot log of the settings \"%1\" in %2.")
                     .arg(m_settingsName, QDir::toNativeSeparators(m_dataFolder));
    }
    if (!m_loading && (m_read.damagedLines > 0 || m_read.shotsWithoutChannel > 0)) {
        parts << tr("Skipped: %1 damaged lines, %2 shots without this channel.")
                     .arg(m_read.damagedLines)
                     .arg(m_read.shotsWithoutChannel);
    }
    for (const QString& path : std::as_const(m_read.unreadableFiles))
        parts << tr("Cannot read %1.").arg(QDir::toNativeSeparators(path));
    m_ui->statusLabel->setText(parts.join(QLatin1Char(' ')));
}

void TrendsWindow::showHoveredShot(int index, bool hovering)
{
    if (!hovering) {
        QToolTip::hideText();
        return;
    }
    const TrendItem item = this->item();
    int seen = 0;
    for (const TrendShot& shot : std::as_const(m_shots)) {
        if (!shot.has(item) || seen++ != index)
            continue;
        QToolTip::showText(
            QCursor::pos(),
            tr("Shot %1, %2, %3")
                .arg(shot.shotNumber)
                .arg(RecordText::shotTime(QDateTime::fromMSecsSinceEpoch(shot.timeMs)),
                     shot.ok ? tr("OK") : tr("NG")),
            this);
        return;
    }
}

void TrendsWindow::exportPng()
{
    const QString path = UserPrompt::getSaveFileName(
        this, tr("Export Chart"), QDir(m_dataFolder).filePath(QStringLiteral("trend.png")),
        tr("PNG images (*.png)"));
    if (path.isEmpty())
        return;
    if (!WholeFile::writePng(path, m_ui->chartView->grab().toImage()))
        UserPrompt::warning(this, tr("Export Chart"),
                            tr("Cannot write %1.").arg(QDir::toNativeSeparators(path)));
}

void TrendsWindow::exportCsv()
{
    const QString path = UserPrompt::getSaveFileName(
        this, tr("Export Values"), QDir(m_dataFolder).filePath(QStringLiteral("trend.csv")),
        tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!TrendCsv::write(path, m_shots, channel(), item(), error))
        UserPrompt::warning(this, tr("Export Values"),
                            tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), error));
}

void TrendsWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        fillItems();
        fillChannels();
        m_chart->retranslate();
        redraw();
        showStatus();
    }
    QWidget::changeEvent(event);
}
