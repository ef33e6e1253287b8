#pragma once

#include <QCoreApplication>
#include <QMainWindow>
#include <QStringList>

#include <memory>

class BUPacket;
class DataPort;
class QActionGroup;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace Ui {
class mainWindow;
}

// The operator's single window: the unit's counters and mode buttons on the left, the
// live plot and the channel details beside them, the link indicators in the status bar.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int DefaultReconnectDelayMs = 2000;
    static constexpr char ApplicationVersion[] = "11.10.43";

    explicit MainWindow(const QStringList& arguments = QCoreApplication::arguments(),
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    // Pause between the loss of the data link and the next connection attempt.
    void setReconnectDelay(int ms);

    // True while the unit counts as reachable; only then is a lost data link retried.
    bool isUnitOnline() const { return m_unitOnline; }
    void setUnitOnline(bool online);

public Q_SLOTS:
    void connectionStatusUpdated(bool linkUp);
    void reconnectDataPort();
    void handlePacketFromBU(BUPacket* packet);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private Q_SLOTS:
    void on_actionQuit_triggered();
    void on_connectButton_clicked();

private:
    void applyCommandLineSwitches(const QStringList& arguments);
    void groupLanguageActions();
    void createDataPort();
    void buildStatusBar();
    void applyStyleSheets();
    void startUnitSession();

    std::unique_ptr<Ui::mainWindow> m_ui;
    QActionGroup* m_languageActions = nullptr;
    DataPort* m_dataPort = nullptr;
    QTimer* m_reconnectTimer = nullptr;

    QLabel* m_dataStatusLabel = nullptr;
    QLabel* m_mmcStatusLabel = nullptr;
    QLabel* m_wdtCountLabel = nullptr;
    QPushButton* m_wdtCountClearButton = nullptr;
    QProgressBar* m_shotProgressBar = nullptr;

    bool m_unitOnline = true;
    bool m_unitSessionStarted = false;
};
