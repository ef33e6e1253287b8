#pragma once

#include "GLMonitoringValues.h"
#include "GLPlotData.h"
#include "SettingsWidgetBase.h"

#include <memory>

class ChannelConfig;
class GLPlotView;
class ModuleConfigBase;

namespace Ui {
class channelSettingsWidget;
}

// The page of one channel: its state and name, its sensor, every monitoring item in an
// editor, and a plot of the whole system focused on this channel, where zones, the peak
// time range and the point can be dragged. Edits on either side reach the channel and
// show on the other side at once.
class ChannelSettingsWidget : public SettingsWidgetBase
{
    Q_OBJECT

public:
    explicit ChannelSettingsWidget(QWidget* parent = nullptr);
    ~ChannelSettingsWidget() override;

    void setSystemConfig(SystemConfig* config) override;
    void setChannel(ChannelConfig* channel, int moduleIndex, int channelIndex);
    ChannelConfig* channel() const { return m_channel; }
    // Redraws every channel of the plot from the configuration, e.g. after apply-to-all.
    void refreshPlot();

    void setSettingsName(const QString& name);
    // Where the shot logs are that "Suggest limits" reads.
    void setShotLogFolder(const QString& folder) { m_shotLogFolder = folder; }
    void setReferenceWaveforms(const QList<GLWaveform>& waveforms, int interval,
                               const QString& fileName);

    GLPlotView* plotView() const;

Q_SIGNALS:
    void channelNameChanged(int module, int channel, const QString& text);
    void channelEnabledFlagChanged(int module, int channel, bool enabled);
    void applyToAllChannelRequested(int module, int channel);

private Q_SLOTS:
    void updateZoneFromPlot(int ch, int zoneId, GLZone zone);
    void updateRangeFromPlot(int ch, int rangeId, GLRange range);
    void updateTSecFromPlot(int ch, GLTSec point);

protected:
    // A new interface language: the form's texts again.
    void changeEvent(QEvent* event) override;

private:
    void connectEditors();
    void setUpPlot();
    void setEditorTitles();
    void selectTool(int tool);
    void fillEditors();
    void fillHeader();
    QString sensorCodeText() const;
    // Shows the channel's current settings in the plot after an editor change.
    void channelEdited();
    int globalIndex() const;
    void suggestLimits();

    std::unique_ptr<Ui::channelSettingsWidget> m_ui;
    ChannelConfig* m_channel = nullptr;
    int m_moduleIndex = -1;
    int m_channelIndex = -1;
    QString m_settingsName;
    QString m_shotLogFolder;
    // The reference the main window loaded, kept to draw again on the channels that a
    // new configuration brings.
    QList<GLWaveform> m_referenceWaveforms;
    int m_referenceInterval = 0;
    QString m_referenceName;
};
