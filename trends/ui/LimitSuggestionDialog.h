#pragma once

#include "ChannelConfig.h"
#include "LimitSuggestion.h"
#include "ShotLogFiles.h"

#include <QDialog>
#include <QFutureWatcher>

#include <memory>

namespace Ui {
class limitSuggestionDialog;
}

// The preview of limits proposed from the last good shots of one channel: the item's
// current and suggested limits side by side and the shots they come from. Nothing is
// changed here; the caller applies suggestion() when the dialog is accepted.
class LimitSuggestionDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LimitSuggestionDialog(QWidget* parent = nullptr);
    ~LimitSuggestionDialog() override;

    // Reads the channel's shots of the current settings from the logs on a worker thread.
    void start(const ChannelConfig& channel, int globalChannel, const QString& dataFolder,
               const QString& settingsName);

    bool isLoading() const { return m_loading; }
    const LimitSuggestion& suggestion() const { return m_suggestion; }

Q_SIGNALS:
    void suggestionShown();

protected:
    void changeEvent(QEvent* event) override;

private:
    void read();
    void readFinished();
    void recompute();
    void fillTable();
    void showShots();
    QString limitText(TrendItem item, qint64 lower, qint64 upper) const;

    std::unique_ptr<Ui::limitSuggestionDialog> m_ui;
    ChannelConfig m_channel;
    int m_globalChannel = 0;
    QString m_dataFolder;
    QString m_settingsName;
    QFutureWatcher<ShotLogFiles::Result> m_watcher;
    bool m_loading = false;
    int m_shotsRead = 0; // the N the latest reading looked for
    ShotLogFiles::Result m_read;
    LimitSuggestion m_suggestion;
};
