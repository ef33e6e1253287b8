#include "DataViewerWindow.h"

#include "ChannelDataType.h"
#include "ChannelStatistics.h"
#include "ControlPort.h"
#include "GLPlotArea.h"
#include "GLPlotView.h"
#include "UserPrompt.h"
#include "ui_DataViewerWindow.h"

#include <QCursor>
#include <QDebug>
#include <QEvent>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// The wait cursor for the length of a recalculation.
class WaitCursor
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Seconds as the range fields show them: whole hundredths, general format.
QString secondsText(qint32 ms)
{
    return QString::number((ms / 10) / 100.0, 'g', 6);
}

// The time allowance field read as a number truncated to whole samples; a value no
// waveform could use is limited before it is converted, so that any text is safe.
int allowanceOf(const QLineEdit* edit)
{
    const float value = edit->text().toFloat();
    return std::isfinite(value) ? int(std::clamp(value, -1e6f, 1e6f)) : 0;
}

} // namespace

DataViewerWindow::DataViewerWindow(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::dataViewerWindow>()),
      m_unitAddress(ControlPort::unitAddress()), m_unitPort(ControlPort::DefaultPort)
{
    m_ui->setupUi(this);
    GLPlotView* plot = m_ui->plotView;
    plot->setMode(2);
    plot->setupToolbar({GLPlotView::FitXItem, GLPlotView::FullScaleItem, GLPlotView::SeparatorItem,
                        GLPlotView::CursorItem, GLPlotView::AllZoomItem, GLPlotView::HandItem});
    m_ui->overwriteButton->setEnabled(false);
    m_ui->messageLabel->hide();
    connectControls();
}

DataViewerWindow::~DataViewerWindow() = default;

GLPlotView* DataViewerWindow::plotView() const
{
    return m_ui->plotView;
}

void DataViewerWindow::setUnitOnline(bool online)
{
    m_unitOnline = online;
    m_ui->sendToBUButton->setEnabled(online);
}

void DataViewerWindow::setUnitAddress(const QHostAddress& address, quint16 port)
{
    m_unitAddress = address;
    m_unitPort = port;
}

void DataViewerWindow::showEvent(QShowEvent* event)
{
    m_ui->sendToBUButton->setEnabled(m_unitOnline);
    QDialog::showEvent(event);
}

void DataViewerWindow::connectControls()
{
    const Ui::dataViewerWindow& ui = *m_ui;
    connect(ui.upperLimitSigmaSlider, &QSlider::valueChanged, this,
            &DataViewerWindow::updateUpperLimitSigmaLabel);
    connect(ui.lowerLimitSigmaSlider, &QSlider::valueChanged, this,
            &DataViewerWindow::updateLowerLimitSigmaLabel);
    connect(ui.upperLimitSmoothingSlider, &QSlider::valueChanged, this,
            &DataViewerWindow::updateUpperLimitSmoothingLabel);
    connect(ui.lowerLimitSmoothingSlider, &QSlider::valueChanged, this,
            &DataViewerWindow::updateLowerLimitSmoothingLabel);
    for (QSlider* slider : {ui.upperLimitSigmaSlider, ui.upperLimitSmoothingSlider})
        connect(slider, &QSlider::sliderReleased, this, &DataViewerWindow::updateUpperLimit);
    for (QSlider* slider : {ui.lowerLimitSigmaSlider, ui.lowerLimitSmoothingSlider})
        connect(slider, &QSlider::sliderReleased, this, &DataViewerWindow::updateLowerLimit);
    for (QLineEdit* edit : {ui.upperLimitMinimumOffset, ui.upperLimitTimeAllowance})
        connect(edit, &QLineEdit::editingFinished, this, &DataViewerWindow::updateUpperLimit);
    for (QLineEdit* edit : {ui.lowerLimitMinimumOffset, ui.lowerLimitTimeAllowance})
        connect(edit, &QLineEdit::editingFinished, this, &DataViewerWindow::updateLowerLimit);
    for (QLineEdit* edit : {ui.timeRangeBegin, ui.timeRangeEnd})
        connect(edit, &QLineEdit::editingFinished, this, &DataViewerWindow::updateRangePlot);
    connect(ui.plotView, &GLPlotView::rangeChanged, this, &DataViewerWindow::updateRangeValue);
    connect(ui.dataListView, &DataListView::dataVisibilityChanged, this,
            &DataViewerWindow::changeDataVisibility);
    connect(ui.channelComboBox, &QComboBox::currentIndexChanged, this,
            &DataViewerWindow::changeChannel);
}

// After a monitoring waveform file was loaded its averages are not rebuilt from data files.
void DataViewerWindow::setAverageSliderLive(bool live)
{
    if (live == m_averageLive)
        return;
    m_averageLive = live;
    QSlider* slider = m_ui->averageSmoothingSlider;
    if (live) {
        connect(slider, &QSlider::valueChanged, this,
                &DataViewerWindow::updateAverageSmoothingLabel);
        connect(slider, &QSlider::sliderReleased, this, &DataViewerWindow::recalculateAverage);
    } else {
        disconnect(slider, &QSlider::valueChanged, this,
                   &DataViewerWindow::updateAverageSmoothingLabel);
        disconnect(slider, &QSlider::sliderReleased, this, &DataViewerWindow::recalculateAverage);
    }
}

void DataViewerWindow::applyLayout(const DataFileLayout& layout)
{
    m_layout = layout;
    GLPlotView* plot = m_ui->plotView;
    if (plot->channelCount() != layout.channelCount()) {
        plot->removeAllChannels();
        plot->setChannelCount(layout.channelCount());
    }
    plot->setObservationPeriod(layout.period * 1000);
    plot->setSamplingInterval(layout.interval);
    for (int c = 0; c < layout.channelCount(); ++c) {
        plot->setRange(c, 0, GLRange(0, layout.period * 1000, true));
        plot->setDataType(c, ChannelDataType::codeOfLetter(layout.attributes.at(c)));
    }
    rebuildChannelSelector();
}

void DataViewerWindow::rebuildChannelSelector()
{
    QComboBox* combo = m_ui->channelComboBox;
    {
        const QSignalBlocker blocker(combo);
        combo->clear();
        // Recordings name every column "number:name", so "2:" is a column without a name.
        static const QRegularExpression unnamed(QStringLiteral("^(\\d+:)?\\s*$"));
        const QStringList names = m_layout.channelNames();
        for (int c = 0; c < names.size(); ++c) {
            combo->addItem(unnamed.match(names.at(c)).hasMatch() ? tr("%1: <Untitled>").arg(c + 1)
                                                                 : names.at(c));
        }
    }
    combo->adjustSize();
}

void DataViewerWindow::changeChannel(int ch)
{
    GLPlotView* plot = m_ui->plotView;
    if (ch < 0 || ch >= plot->channelCount())
        return;
    plot->setFocusChannel(ch);
    const WaitCursor wait;
    {
        const QSignalBlocker blocker(m_ui->averageSmoothingSlider);
        m_ui->averageSmoothingSlider->setValue(plot->averageSmoothing(ch));
    }
    updateAverageSmoothingLabel(plot->averageSmoothing(ch));
    if (const std::optional<GLRange> range = plot->range(ch, 0))
        updateRangeValue(ch, 0, *range);
    showFocusedParameters();
}

void DataViewerWindow::showFocusedParameters()
{
    const GLPlotView* plot = m_ui->plotView;
    const int ch = plot->focusChannelIndex();
    const Ui::dataViewerWindow& ui = *m_ui;
    struct Side
    {
        QSlider* sigma;
        QSlider* smoothing;
        QLineEdit* offset;
        QLineEdit* allowance;
        float sigmaValue;
        int smoothingValue;
        float offsetValue;
        int allowanceValue;
    };
    const Side sides[] = {
        {ui.upperLimitSigmaSlider, ui.upperLimitSmoothingSlider, ui.upperLimitMinimumOffset,
         ui.upperLimitTimeAllowance, plot->upperSigma(ch), plot->upperSmoothing(ch),
         plot->upperMinimumOffset(ch), plot->upperTimeAllowance(ch)},
        {ui.lowerLimitSigmaSlider, ui.lowerLimitSmoothingSlider, ui.lowerLimitMinimumOffset,
         ui.lowerLimitTimeAllowance, plot->lowerSigma(ch), plot->lowerSmoothing(ch),
         plot->lowerMinimumOffset(ch), plot->lowerTimeAllowance(ch)},
    };
    for (const Side& side : sides) {
        const QSignalBlocker b1(side.sigma), b2(side.smoothing), b3(side.offset),
            b4(side.allowance);
        side.sigma->setValue(ChannelParameters::sigmaSlider(side.sigmaValue));
        side.smoothing->setValue(side.smoothingValue);
        side.offset->setText(QString::number(side.offsetValue, 'g', 6));
        side.allowance->setText(QString::number(side.allowanceValue));
    }
    updateUpperLimitSigmaLabel(ui.upperLimitSigmaSlider->value());
    updateLowerLimitSigmaLabel(ui.lowerLimitSigmaSlider->value());
    updateUpperLimitSmoothingLabel(ui.upperLimitSmoothingSlider->value());
    updateLowerLimitSmoothingLabel(ui.lowerLimitSmoothingSlider->value());
}

void DataViewerWindow::updateAverageSmoothingLabel(int value)
{
    m_ui->averageSmoothingLabel->setText(QStringLiteral("%1").arg(value, 2));
}

void DataViewerWindow::updateLowerLimitSigmaLabel(int value)
{
    m_ui->lowerLimitSigmaLabel->setText(
        QStringLiteral("%1").arg(ChannelParameters::sigmaOfSlider(value), 3, 'f', 1));
}

void DataViewerWindow::updateUpperLimitSigmaLabel(int value)
{
    m_ui->upperLimitSigmaLabel->setText(
        QStringLiteral("%1").arg(ChannelParameters::sigmaOfSlider(value), 3, 'f', 1));
}

void DataViewerWindow::updateLowerLimitSmoothingLabel(int value)
{
    m_ui->lowerLimitSmoothingLabel->setText(QStringLiteral("%1").arg(value, 2));
}

void DataViewerWindow::updateUpperLimitSmoothingLabel(int value)
{
    m_ui->upperLimitSmoothingLabel->setText(QStringLiteral("%1").arg(value, 2));
}

void DataViewerWindow::recalculateAverage()
{
    GLPlotView* plot = m_ui->plotView;
    const int ch = plot->focusChannelIndex();
    if (ch < 0)
        return;
    const WaitCursor wait;
    plot->setAverageSmoothing(ch, m_ui->averageSmoothingSlider->value());
    plot->recalculateAverage(ch);
    updateNotice();
}

void DataViewerWindow::updateUpperLimit()
{
    GLPlotView* plot = m_ui->plotView;
    const int ch = plot->focusChannelIndex();
    if (ch < 0)
        return;
    plot->setUpperLimitParameters(
        ch, ChannelParameters::sigmaOfSlider(m_ui->upperLimitSigmaSlider->value()),
        m_ui->upperLimitSmoothingSlider->value(), m_ui->upperLimitMinimumOffset->text().toFloat(),
        allowanceOf(m_ui->upperLimitTimeAllowance));
    plot->channel(ch)->recalculateUpperLimit();
    plot->plotArea()->refresh();
}

void DataViewerWindow::updateLowerLimit()
{
    GLPlotView* plot = m_ui->plotView;
    const int ch = plot->focusChannelIndex();
    if (ch < 0)
        return;
    plot->setLowerLimitParameters(
        ch, ChannelParameters::sigmaOfSlider(m_ui->lowerLimitSigmaSlider->value()),
        m_ui->lowerLimitSmoothingSlider->value(), m_ui->lowerLimitMinimumOffset->text().toFloat(),
        allowanceOf(m_ui->lowerLimitTimeAllowance));
    plot->channel(ch)->recalculateLowerLimit();
    plot->plotArea()->refresh();
}

void DataViewerWindow::updateRangeValue(int chid, int rangeid, GLRange range)
{
    if (chid != m_ui->plotView->focusChannelIndex() || rangeid != 0)
        return;
    const QSignalBlocker b1(m_ui->timeRangeBegin), b2(m_ui->timeRangeEnd);
    m_ui->timeRangeBegin->setText(secondsText(range.beginMs));
    m_ui->timeRangeEnd->setText(secondsText(range.endMs));
}

void DataViewerWindow::updateRangePlot()
{
    GLPlotView* plot = m_ui->plotView;
    const int ch = plot->focusChannelIndex();
    if (ch < 0)
        return;
    ChannelParameters p;
    p.setRangeFromSeconds(m_ui->timeRangeBegin->text(), m_ui->timeRangeEnd->text(),
                          m_layout.period * 1000);
    const GLRange range(p.rangeStart, p.rangeEnd, true);
    plot->setRange(ch, 0, range);
}

bool DataViewerWindow::anyFileVisible() const
{
    for (int f = 0; f < m_paths.size(); ++f) {
        if (m_ui->plotView->isDataFileVisible(f))
            return true;
    }
    return false;
}

void DataViewerWindow::changeDataVisibility(int index, bool visible)
{
    qDebug() << "Data visibility changed for" << index << "visible=" << visible;
    m_ui->plotView->setDataFileVisible(index, visible);
    const WaitCursor wait;
    recalculateAverage();
    updateUpperLimit();
    updateLowerLimit();
}

QString DataViewerWindow::notice() const
{
    QStringList lines;
    if (!m_lengthNotice.isEmpty())
        lines << m_lengthNotice;
    if (!m_paths.isEmpty() && !anyFileVisible())
        lines << tr("No data file is visible: no average and no limits are shown.");
    return lines.join(QLatin1Char('\n'));
}

void DataViewerWindow::updateNotice()
{
    const QString text = notice();
    m_ui->messageLabel->setText(text);
    m_ui->messageLabel->setVisible(!text.isEmpty());
}

void DataViewerWindow::on_closeButton_clicked(bool)
{
    UserPrompt::information(
        this, tr("Close"),
        tr("When the waveform monitoring please send monitoring waveform data."));
    accept();
}

void DataViewerWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        updateNotice();
    }
    QDialog::changeEvent(event);
}
