#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>
#include <memory>

class AppSettings;
class QLineEdit;
class QShowEvent;

namespace Ui {
class adminWindow;
}

// The administration dialog: unit address, molding machine serial port, data and
// settings folders, file rotation time, which files are recorded and where shot results
// are published. Every show loads
// the controls from the settings store. Accepting writes every key and ends the
// application, because the readers of these settings only read them at start.
class AdminWindow : public QDialog
{
    Q_OBJECT

public:
    using QuitHandler = std::function<void()>;
    using PortListSource = std::function<QStringList()>;

    explicit AdminWindow(QWidget* parent = nullptr);
    ~AdminWindow() override;

    // Fills every control from the store and reports the three save flags through
    // saveDataTypesChanged. Called on each show; public so that a caller can refresh an
    // open dialog.
    void loadSettings();

    // The address the four spin boxes show, most significant byte first.
    quint32 deviceAddress() const { return m_deviceAddress; }
    // The chosen port without the "* " mark of a port that is not present; empty when the
    // list is empty.
    QString selectedSerialPort() const;

    // What ends the application after an accepted change. By default the application's
    // event loops are left with exit code 0; QCoreApplication::quit() is avoided because
    // it would first ask the main window to close, which asks the operator to confirm.
    void setQuitHandler(QuitHandler handler);
    // The serial port names offered in the list. By default the ports the system reports;
    // tests supply their own because a machine may have none.
    void setPortListSource(PortListSource source);

    // An existing folder this process may create files in.
    static bool isWritableFolder(const QString& path);

public Q_SLOTS:
    void accept() override;

Q_SIGNALS:
    // The three "Savedata Type" flags, sent when the dialog loads them and again when
    // they are accepted. The file recorder listens to this, so that it always holds the
    // values the operator last saw.
    void saveDataTypesChanged(bool log, bool alarmWave, bool allWave);

protected:
    void showEvent(QShowEvent* event) override;

private Q_SLOTS:
    void on_dataPathSelectButton_clicked();
    void on_settingsPathSelectButton_clicked();
    void on_publishCaFileSelectButton_clicked();
    void updateDeviceAddress();

protected:
    // A new interface language: the form's texts again.
    void changeEvent(QEvent* event) override;

private:
    void loadDeviceAddress(const AppSettings& settings);
    void loadSerialPorts(const QString& storedPort);
    void loadPublishSettings(const AppSettings& settings);
    void writePublishSettings(AppSettings& settings) const;
    void chooseFolder(QLineEdit* edit);
    bool writeSettings();
    void emitSaveDataTypes();
    static QStringList systemSerialPorts();

    std::unique_ptr<Ui::adminWindow> m_ui;
    quint32 m_deviceAddress = 0;
    QuitHandler m_quit;
    PortListSource m_portList;
};
