#include "LimitSuggestionDialog.h"

#include "ui_LimitSuggestionDialog.h"

#include <QEvent>
#include <QPushButton>
#include <QtConcurrent>

#include <cmath>

namespace {

// The current settings began at most this many daily logs back, or their shots are too
// old to speak for the mold today.
constexpr int MaxDaysBack = 7;

QString number(double value)
{
    return std::isfinite(value) ? QString::number(value, 'g', 5) : QStringLiteral("-");
}

} // namespace

LimitSuggestionDialog::LimitSuggestionDialog(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::limitSuggestionDialog>())
{
    m_ui->setupUi(this);
    m_ui->kSpinBox->setValue(LimitSuggestion::DefaultK);
    m_ui->shotCountSpinBox->setValue(LimitSuggestion::DefaultShots);
    m_ui->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("Apply"));
    m_ui->limitTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(&m_watcher, &QFutureWatcher<ShotLogFiles::Result>::finished, this,
            &LimitSuggestionDialog::readFinished);
    connect(m_ui->kSpinBox, &QDoubleSpinBox::valueChanged, this, &LimitSuggestionDialog::recompute);
    connect(m_ui->shotCountSpinBox, &QSpinBox::valueChanged, this, [this](int count) {
        // More shots than were looked for may lie in older logs.
        if (count > m_shotsRead && !m_loading)
            read();
        else
            recompute();
    });
}

LimitSuggestionDialog::~LimitSuggestionDialog()
{
    m_watcher.waitForFinished();
}

void LimitSuggestionDialog::start(const ChannelConfig& channel, int globalChannel,
                                  const QString& dataFolder, const QString& settingsName)
{
    m_channel = channel;
    m_globalChannel = globalChannel;
    m_dataFolder = dataFolder;
    m_settingsName = settingsName;
    m_suggestion = {};
    fillTable();
    read();
}

void LimitSuggestionDialog::read()
{
    m_loading = true;
    m_shotsRead = m_ui->shotCountSpinBox->value();
    m_ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
    m_ui->statusLabel->setText(tr("Reading the shot logs..."));
    const QList<ShotLogFiles::File> files = ShotLogFiles::list(m_dataFolder, m_settingsName);
    const int wanted = m_shotsRead;
    const int channel = m_globalChannel;
    m_watcher.setFuture(QtConcurrent::run([files, channel, wanted] {
        // Enough once N OK shots of the current settings are in, or once the settings
        // are seen to change: older logs hold other settings.
        const auto enough = [wanted](const ShotLogReader& reader) {
            if (reader.currentSegment() > 0)
                return true;
            const QList<TrendShot>& shots = reader.shots();
            return std::count_if(shots.cbegin(), shots.cend(),
                                 [](const TrendShot& s) { return s.ok; }) >= wanted;
        };
        return ShotLogFiles::readRecent(files, channel, enough, MaxDaysBack);
    }));
}

void LimitSuggestionDialog::readFinished()
{
    m_read = m_watcher.result();
    m_loading = false;
    recompute();
}

void LimitSuggestionDialog::recompute()
{
    if (m_loading)
        return;
    m_suggestion =
        LimitSuggestion::compute(m_channel, m_read.shots, m_read.currentSegment,
                                 m_ui->kSpinBox->value(), m_ui->shotCountSpinBox->value());
    fillTable();
    showShots();
    m_ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(m_suggestion.hasSuggestion());
    Q_EMIT suggestionShown();
}

QString LimitSuggestionDialog::limitText(TrendItem item, qint64 lower, qint64 upper) const
{
    const double scale =
        TrendItems::displayScale(item, m_channel) / TrendItems::countsPerLogUnit(item, m_channel);
    return QStringLiteral("%1 .. %2 %3")
        .arg(number(double(lower) * scale), number(double(upper) * scale),
             TrendItems::unitText(item, m_channel));
}

void LimitSuggestionDialog::fillTable()
{
    QTableWidget* table = m_ui->limitTable;
    const QList<LimitSuggestion::Limit>& limits = m_suggestion.limits();
    table->setRowCount(int(limits.size()));
    for (int row = 0; row < limits.size(); ++row) {
        const LimitSuggestion::Limit& limit = limits[row];
        const double scale = TrendItems::displayScale(limit.item, m_channel);
        QString suggested = tr("too few shots");
        if (limit.suggested) {
            suggested = limitText(limit.item, limit.suggestedLower, limit.suggestedUpper);
            if (limit.clipped)
                suggested += tr(" (clipped to the settable range)");
        }
        const QStringList cells{TrendItems::displayName(limit.item),
                                limitText(limit.item, limit.currentLower, limit.currentUpper),
                                suggested,
                                QString::number(limit.used),
                                number(limit.mean * scale),
                                number(limit.sigma * scale)};
        for (int column = 0; column < cells.size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
}

void LimitSuggestionDialog::showShots()
{
    const QList<quint32>& shots = m_suggestion.shotNumbers();
    QStringList numbers;
    for (quint32 shot : shots)
        numbers << QString::number(shot);
    m_ui->shotsLabel->setText(shots.isEmpty()
                                  ? QString()
                                  : tr("Shots used: %1 OK shots of the current settings (%2).")
                                        .arg(shots.size())
                                        .arg(numbers.join(QStringLiteral(", "))));
    QString status;
    if (shots.size() < LimitSuggestion::MinimumShots) {
        status = tr("Only %1 OK shots of the current settings in the shot logs: at least %2 are "
                    "needed.")
                     .arg(shots.size())
                     .arg(LimitSuggestion::MinimumShots);
    } else if (shots.size() < m_ui->shotCountSpinBox->value()) {
        status = tr("Fewer OK shots than asked for: %1 used.").arg(shots.size());
    }
    if (m_read.damagedLines > 0)
        status += QLatin1Char(' ') + tr("%1 damaged lines skipped.").arg(m_read.damagedLines);
    if (!m_suggestion.hasSuggestion() && shots.size() >= LimitSuggestion::MinimumShots)
        status += QLatin1Char(' ') + tr("No enabled item of this channel can be suggested.");
    m_ui->statusLabel->setText(status.trimmed());
}

void LimitSuggestionDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        m_ui->buttonBox->button(QDialogButtonBox::Ok)->setText(tr("Apply"));
        fillTable();
        showShots();
    }
    QDialog::changeEvent(event);
}
