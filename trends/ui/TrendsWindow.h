#pragma once

#include "ShotLogFiles.h"
#include "ShotLogFormat.h"
#include "TrendStatistics.h"

#include <QFutureWatcher>
#include <QWidget>

#include <memory>

class SystemConfig;
class TrendChart;

namespace Ui {
class trendsWindow;
}

// The run chart of one channel's result item over the last shots or over whole days of
// the shot logs, against the item's monitoring band, with mean, σ, Cp and Cpk beside it.
// The logs are read on a worker thread; shots that end while the window is open are
// appended as they come, without reading the logs again.
class TrendsWindow : public QWidget
{
    Q_OBJECT

public:
    explicit TrendsWindow(QWidget* parent = nullptr);
    ~TrendsWindow() override;

    // Where the logs are: the data folder and the settings name they are filed under.
    void setLogSource(const QString& dataFolder, const QString& settingsName);
    // The channels to choose from and the bands to draw.
    void setSystemConfig(const SystemConfig& config);
    // Reads the logs again for the current choice.
    void reload();
    // A shot that has just ended, as its log line was taken.
    void appendShot(const ShotLogFormat::Shot& shot);

    bool isLoading() const { return m_loading; }
    const QList<TrendShot>& shots() const { return m_shots; }
    int pointCount() const;
    const TrendStatistics& statistics() const { return m_statistics; }

Q_SIGNALS:
    // The chart shows what the latest reading of the logs gave.
    void trendLoaded();

protected:
    void changeEvent(QEvent* event) override;

private:
    struct Load
    {
        ShotLogFiles::Result result;
        int generation = 0;
    };

    void connectControls();
    void fillChannels();
    void fillItems();
    int channel() const;
    TrendItem item() const;
    bool showsLastShots() const;
    void showRangeControls();
    void loadFinished();
    void keepLastShots();
    void scheduleRedraw();
    void redraw();
    void showStatistics(const TrendBand& band);
    void showStatus();
    void showHoveredShot(int index, bool hovering);
    void exportPng();
    void exportCsv();

    std::unique_ptr<Ui::trendsWindow> m_ui;
    TrendChart* m_chart;
    std::unique_ptr<SystemConfig> m_config;
    QString m_dataFolder;
    QString m_settingsName;
    QFutureWatcher<Load> m_watcher;
    int m_generation = 0;
    bool m_loading = false;
    bool m_redrawPending = false;
    ShotLogFiles::Result m_read;
    QList<TrendShot> m_shots;
    // Shots that ended while the logs were being read, added once the reading is in.
    QList<TrendShot> m_liveWhileLoading;
    TrendStatistics m_statistics;
};
