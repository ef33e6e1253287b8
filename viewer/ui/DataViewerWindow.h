#pragma once

#include "DataFileLayout.h"
#include "GLMonitoringValues.h"
#include "MonitoringWaveformFile.h"

#include <QDialog>
#include <QHostAddress>

#include <memory>

namespace Ui {
class dataViewerWindow;
}
class GLPlotView;

// The data viewer: opens recorded shots, shows them channel by channel, builds the
// monitoring waveform from them, saves and loads it and sends it to the unit. Reading
// runs on worker threads behind a progress dialog, so the window stays responsive and
// the operator can abort.
class DataViewerWindow : public QDialog
{
    Q_OBJECT

public:
    explicit DataViewerWindow(QWidget* parent = nullptr);
    ~DataViewerWindow() override;

    GLPlotView* plotView() const;
    // "Send to BU" only works while the unit is reachable.
    void setUnitOnline(bool online);
    // Where the unit listens; the settings store's address by default.
    void setUnitAddress(const QHostAddress& address, quint16 port);
    // The sampling interval and period the live view shows, so a hand-off fits it.
    const DataFileLayout& layout() const { return m_layout; }
    // Reads the files as the "Open Data File" button does after its dialog.
    void openDataFiles(const QStringList& paths);
    // Everything the files would hold for the current state of the window.
    MonitoringWaveform monitoringWaveform() const;
    // A note for the operator shown under the channel selector (files of another length,
    // no visible file); empty when all is well.
    QString notice() const;

public Q_SLOTS:
    void on_openDataFileButton_clicked(bool checked);
    void on_closeButton_clicked(bool checked);
    void on_sendToBUButton_clicked(bool checked);
    void on_saveAsReferenceButton_clicked(bool checked);
    void on_saveButton_clicked(bool checked);
    void on_loadButton_clicked(bool checked);
    void changeChannel(int ch);
    void updateAverageSmoothingLabel(int value);
    void recalculateAverage();
    void updateLowerLimitSigmaLabel(int value);
    void updateUpperLimitSigmaLabel(int value);
    void updateLowerLimitSmoothingLabel(int value);
    void updateUpperLimitSmoothingLabel(int value);
    void updateUpperLimit();
    void updateLowerLimit();
    void updateRangeValue(int chid, int rangeid, GLRange range);
    void updateRangePlot();
    void changeDataVisibility(int index, bool visible);
    void on_overwriteButton_clicked(bool checked);
    // The plot as shown to PNG or PDF; the visible files' visible channels to one CSV.
    void on_exportPlotButton_clicked(bool checked);
    void on_exportCsvButton_clicked(bool checked);

protected:
    void showEvent(QShowEvent* event) override;

protected:
    // A new interface language: the form's texts again.
    void changeEvent(QEvent* event) override;

private:
    void connectControls();
    void setAverageSliderLive(bool live);
    void applyLayout(const DataFileLayout& layout);
    void rebuildChannelSelector();
    void fillPlot(const QList<QList<QList<float>>>& files);
    void computeAllStatistics();
    void showFocusedParameters();
    void updateNotice();
    bool saveText(const QString& path, const QByteArray& text);
    QString chooseSavePath(const QString& caption, const QString& label, const QString& filter,
                           const QString& suffix, const QString& preselected);
    void saveMonitoringWaveform(const QString& preselected, bool confirm);
    void applyLoadedWaveform(const MonitoringWaveform& waveform);
    bool anyFileVisible() const;
    QByteArray selectedWaveformsCsv() const;

    std::unique_ptr<Ui::dataViewerWindow> m_ui;
    DataFileLayout m_layout;
    QStringList m_paths;
    QString m_waveformPath;
    QString m_lengthNotice;
    bool m_unitOnline = true;
    bool m_averageLive = false;
    QHostAddress m_unitAddress;
    quint16 m_unitPort;
};
