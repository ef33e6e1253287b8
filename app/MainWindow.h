#pragma once

#include "ShotHandler.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>

class AboutDialog;
class DisplaySettingsWindow;
class LanguageCatalogs;
class MoldConfigWindow;
class FirmwareUpdateWindow;
class IOTestDialog;
class MoldMachineSettingsDialog;
class SerialPacket;
class FileController;
class RawDataSaveWorker;
class AdminWindow;
class DataPort;
class QActionGroup;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class ShotData;
class SystemConfig;

namespace Ui {
class mainWindow;
}

// The operator's single window: the unit's counters and mode buttons on the left, the
// live plot and the channel details beside them, the link indicators in the status bar.
// It hands every packet the unit streams to its shot handler, shows what the handler
// reports, and sends the operator's commands.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    enum ShotState
    {
        Idle = ShotHandler::Idle,
        ShotInProgress = ShotHandler::ShotInProgress,
        Offline = ShotHandler::Offline
    };
    enum OperatingMode
    {
        MonitorMode = ShotHandler::MonitorMode,
        MaintenanceMode = ShotHandler::MaintenanceMode
    };

    static constexpr int DefaultReconnectDelayMs = 2000;
    static constexpr int ResetMessageCloseMs = 5000;
    static constexpr char ApplicationVersion[] = "11.10.43";

    explicit MainWindow(const QStringList& arguments = QCoreApplication::arguments(),
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    // Pause between the loss of the data link and the next connection attempt.
    void setReconnectDelay(int ms);
    // How the application ends when it must (a newer firmware, a changed firmware type).
    // Tests replace it; by default the event loop is ended.
    void setQuitHandler(std::function<void()> quit);

    // Makes a copy of the configuration the current one and shows it.
    void applyConfiguration(const SystemConfig& config);

    // True while the unit counts as reachable; only then is a lost data link retried.
    bool isUnitOnline() const { return m_unitOnline; }
    void setUnitOnline(bool online);

    int shotState() const { return m_shotHandler->state(); }
    int operatingMode() const { return m_shotHandler->operatingMode(); }
    bool packetsSuspended() const { return m_shotHandler->packetsSuspended(); }
    bool saveStopped() const { return m_shotHandler->saveStopped(); }
    const SystemConfig& systemConfig() const { return *m_systemConfig; }
    ShotData* shotDataA() const { return m_shotHandler->shotDataA(); }
    ShotData* shotDataB() const { return m_shotHandler->shotDataB(); }
    ShotData* currentShot() const { return m_shotHandler->currentShot(); }
    // Data folder in use for this run (the setting, or the fallback when it is unusable).
    QString dataFolder() const { return m_dataFolder; }
    FileController* fileController() const { return m_fileController; }
    SerialPacket* machineLink() const { return m_serialPacket; }
    MoldConfigWindow* moldConfigWindow() const { return m_moldConfigWindow; }
    quint8 focusChannel() const { return m_focusChannel; }
    // Null while publishing is off.
    class MqttPublisher* publisher() const { return m_publisher; }

Q_SIGNALS:
    // Passed on from the shot handler, down to machineShotEnded.
    // To the recording worker (queued across threads; the buffer is shared, not copied).
    void beginRawDataSaving(ShotData* shot);
    void saveRawData(ShotData* shot, bool final);
    // To the plot and the channel details: a shot began, has new samples, ended.
    void shotStarted(ShotData* shot);
    void shotRefreshed(ShotData* shot);
    void shotEnded(ShotData* shot);
    // A judged shot for the daily log (the recording worker writes it).
    void shotLogRequested(ShotData* shot);
    // To the molding machine link: ask the machine around every recorded shot.
    void machineShotStarted();
    void machineShotEnded();
    // Waveforms read from a recorded file, for the plot's reference waveforms.
    void referenceWaveformsLoaded(const QList<QList<float>>& waveforms, int samplingInterval,
                                  const QString& fileName);
    // To the plot, the status display and the details view.
    void configurationApplied(const SystemConfig& config);
    void overwriteHistoryResetRequested();
    void moduleFlagsUpdated(const QList<bool>& flags);

public Q_SLOTS:
    void connectionStatusUpdated(bool linkUp);
    void reconnectDataPort();
    void handlePacketFromBU(BUPacket* packet);
    void checkDiskSpace();
    void mmcStatusUpdated(int status);
    void serialReciveDebug(int* error);
    void redrawPlot();
    void plotColorChangeRequested();
    void changeFocusChannel(quint8 channel);
    void resizeChannelDetailsScrollArea(int width);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private Q_SLOTS:
    void on_actionQuit_triggered();
    void on_connectButton_clicked();
    void on_alarmButton_clicked();
    void on_abortShotButton_clicked();
    void on_settingsButton_clicked();
    void on_shotNumberResetButton_clicked();
    void on_shotCountClearButton_clicked();
    void on_zeroResetButton_clicked();
    void on_monitorModeButton_clicked();
    void on_freerunButton_clicked();
    void onWdtCountClearButton_clicked();
    void on_actionSyncBUClock_triggered();
    void on_actionAdministration_triggered();
    void on_actionAboutCVO_triggered();
    void on_loadReferenceButton_clicked();
    void on_actionMoldMachine_triggered();
    void on_actionDisplaySettings_triggered();
    void moduleSettingsWindowRequested(int) {}
    void on_actionOpenReferenceFile_triggered();
    // System menu services (MainWindowService.cpp)
    void on_actionFirmwareUpdate_triggered();
    void on_actionIOTest_triggered();
    void on_viewerButton_clicked();
    void on_trendsButton_clicked();
    void on_actionExportPlot_triggered();
    void on_debugButton_clicked() {}
    void on_debug2Button_clicked() {}

private:
    // construction (MainWindow.cpp)
    void applyCommandLineSwitches(const QStringList& arguments);
    void groupLanguageActions();
    void groupViewActions();
    void createLanguageCatalogs();
    void changeLanguage();
    void retranslateCodeTexts();
    void showWatchdogCount(int count);
    void createDataPort();
    void buildStatusBar();
    void applyStyleSheets();
    void checkDataFolder();
    void chooseDataFolder();
    void createRecorder();
    void showRecordingStatus(bool ok, const QString& reason);
    void createMachineLink();
    void connectDetailsViews();
    void setUpPlot();
    void plotSamples(ShotData* shot);
    void showChannelValues(ShotData* shot, bool withIntegral);
    void applyDisplaySettings();
    void loadReferenceFile();
    void writeLogHeader(int event);
    void createConfigEditor();

    // shots and status (MainWindowShots.cpp)
    void createShotHandler();
    void showShotStarted(const ShotData& shot);
    void showIdle();
    void showUnitStatus(const BUPayload::UnitStatus& status);
    void handleUnitReset();
    void reloadAfterUnitReset();
    void updateAlarmButton(quint8 statusByte);
    void setShotButtonsEnabled(bool enabled);

    // publishing shot results (MainWindowPublish.cpp)
    void createPublisher();
    void summariseShot();
    void publishPendingSummary(bool withMachineAnswers);
    void showPublisherState();
    void updatePublishedStatus();

    // the unit (MainWindowUnit.cpp)
    void startUnitSession();
    bool loadConfigurationFromUnit(bool keepMode);
    void applyConfigurationToView();
    void enterOfflineState();
    // Returns false when the application has to end.
    bool checkFirmwareCompatibility();
    // Sends setMode with a fresh control port; false when the port did not open or the
    // unit refused. The reply's status byte goes to `statusByte` when given.
    bool sendMode(quint8 mode, quint8 commandBits, quint8* statusByte = nullptr);
    // Switches the unit's mode; the window changes its own only when the unit confirms,
    // otherwise the operator is told and false is returned.
    bool setOperatingMode(int mode);
    void updateModeDisplay();
    void quitApplication();
    // Runs a dialog: packets are ignored while it is open; a shot in progress goes on
    // afterwards (the shot watchdog ends it if its packets stopped meanwhile).
    int runWithPacketsSuspended(class QDialog* dialog);

    std::unique_ptr<Ui::mainWindow> m_ui;
    std::unique_ptr<SystemConfig> m_systemConfig;
    std::unique_ptr<ShotHandler> m_shotHandler;
    std::unique_ptr<LanguageCatalogs> m_languages;
    QActionGroup* m_languageActions = nullptr;
    int m_watchdogCount = 0;
    DataPort* m_dataPort = nullptr;
    QTimer* m_reconnectTimer = nullptr;
    AdminWindow* m_adminWindow = nullptr;
    FileController* m_fileController = nullptr;
    SerialPacket* m_serialPacket = nullptr;
    MoldMachineSettingsDialog* m_moldMachineDialog = nullptr;
    DisplaySettingsWindow* m_displaySettingsWindow = nullptr;
    std::unique_ptr<RawDataSaveWorker> m_rawDataSaveWorker;
    AboutDialog* m_aboutDialog = nullptr;
    MoldConfigWindow* m_moldConfigWindow = nullptr;
    FirmwareUpdateWindow* m_firmwareUpdateWindow = nullptr; // created at first use
    IOTestDialog* m_ioTestDialog = nullptr;                 // created at first use
    class DataViewerWindow* m_dataViewerWindow = nullptr;
    class TrendsWindow* m_trendsWindow = nullptr; // created at first use
    class MqttPublisher* m_publisher = nullptr;
    // The judged shot waiting for the molding machine's answers.
    std::unique_ptr<struct ShotSummary> m_pendingSummary;
    bool m_machinePortFailed = false;
    bool m_dataLinkUp = false;

    QLabel* m_dataStatusLabel = nullptr;
    QLabel* m_mmcStatusLabel = nullptr;
    QLabel* m_recordingStatusLabel = nullptr;
    QLabel* m_publishStatusLabel = nullptr;
    QLabel* m_wdtCountLabel = nullptr;
    QPushButton* m_wdtCountClearButton = nullptr;
    QProgressBar* m_shotProgressBar = nullptr;
    // Packets of one read are shown in the progress bar once (it repaints at once on
    // every visible change, which costs a whole window on a software GL driver).
    int m_shownPacketCount = 0;
    bool m_packetCountUpdatePending = false;

    bool m_unitOnline = true;
    quint8 m_focusChannel = 0;
    QString m_dataFolder;
    bool m_unitSessionStarted = false;
    std::function<void()> m_quit;
};
