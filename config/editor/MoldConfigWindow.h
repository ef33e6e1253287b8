#pragma once

#include "GLPlotData.h"

#include <QDialog>

#include <memory>

class SystemConfig;
class SystemTreeWidgetItem;
class QTreeWidgetItem;

namespace Ui {
class moldConfigWindow;
}

// The configuration editor: a tree of the system, its modules and channels beside the
// page of the selected item, working on its own copy of a configuration. "Save" and
// "Save As..." write the copy to its mold settings file and accept; the caller then
// takes the copy as the configuration in use.
class MoldConfigWindow : public QDialog
{
    Q_OBJECT

public:
    explicit MoldConfigWindow(QWidget* parent = nullptr);
    ~MoldConfigWindow() override;

    // With keepIdentifiers the modules keep the identifiers the editor's copy had at the
    // same positions: those came from the unit, a file's may not match it.
    void setConfiguration(const SystemConfig& config, bool keepIdentifiers);
    const SystemConfig& configuration() const { return *m_config; }

    // Without a unit, "Read from BU" is off and every sensor rating is offered.
    void setConnected(bool connected);
    bool isConnected() const { return m_connected; }
    void setReferenceWaveforms(const QList<GLWaveform>& waveforms, int interval,
                               const QString& fileName);
    void selectSystemItem();
    // The data folder whose shot logs the channel page proposes limits from.
    void setShotLogFolder(const QString& folder);

    Ui::moldConfigWindow* ui() const { return m_ui.get(); }

public Q_SLOTS:
    void selectionChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void on_readFromBUButton_clicked();
    void on_saveButton_clicked();
    void on_saveAsButton_clicked();
    void on_loadButton_clicked();
    void updateChannelName(int module, int channel, const QString& text);
    void updateModuleName(int module, const QString& text);
    void updateChannelEnabledFlag(int module, int channel, bool enabled);
    void applyChannelSettingsToAll(int module, int channel);

protected:
    // A new interface language: the form's texts again.
    void changeEvent(QEvent* event) override;

private:
    void connectPages();
    void rebuildTree();
    void settingsNameChanged();
    SystemTreeWidgetItem* findItem(int module, int channel) const;
    static QString channelText(int globalIndex, const QString& title);

    std::unique_ptr<Ui::moldConfigWindow> m_ui;
    std::unique_ptr<SystemConfig> m_config;
    SystemTreeWidgetItem* m_systemItem = nullptr;
    SystemTreeWidgetItem* m_moduleItem = nullptr;
    bool m_connected = true;
};
