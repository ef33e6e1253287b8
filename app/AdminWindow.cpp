#include "AdminWindow.h"

#include "AppSettings.h"
#include "UserPrompt.h"
#include "ui_AdminWindow.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QShowEvent>
#include <QSignalBlocker>

namespace {

const QString MissingPortMark = QStringLiteral("* ");

} // namespace

AdminWindow::AdminWindow(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::adminWindow>()),
      m_quit([] { QCoreApplication::exit(0); }), m_portList(&AdminWindow::systemSerialPorts)
{
    m_ui->setupUi(this);
    for (QSpinBox* box : {m_ui->ip1, m_ui->ip2, m_ui->ip3, m_ui->ip4}) {
        connect(box, &QSpinBox::valueChanged, this, &AdminWindow::updateDeviceAddress);
    }
    // Certificate settings mean something only with TLS.
    for (QWidget* tlsOnly : {static_cast<QWidget*>(m_ui->publishVerifyCheckBox),
                             static_cast<QWidget*>(m_ui->publishCaFileEdit),
                             static_cast<QWidget*>(m_ui->publishCaFileSelectButton)}) {
        connect(m_ui->publishTlsCheckBox, &QCheckBox::toggled, tlsOnly, &QWidget::setEnabled);
    }
}

AdminWindow::~AdminWindow() = default;

void AdminWindow::setQuitHandler(QuitHandler handler)
{
    m_quit = std::move(handler);
}

void AdminWindow::setPortListSource(PortListSource source)
{
    m_portList = std::move(source);
}

void AdminWindow::showEvent(QShowEvent* event)
{
    // A spontaneous show is the window system restoring an open dialog: the operator's
    // unsaved edits must survive it.
    if (!event->spontaneous()) {
        loadSettings();
    }
    QDialog::showEvent(event);
}

void AdminWindow::loadSettings()
{
    const AppSettings settings;
    loadDeviceAddress(settings);
    m_ui->dataPathEdit->setText(settings.dataPath());
    m_ui->settingsPathEdit->setText(settings.settingsPath());
    m_ui->hour->setValue(settings.rotationHour());
    m_ui->minute->setValue(settings.rotationMinute());
    loadSerialPorts(settings.moldMachineSerialPort());
    m_ui->LogCheckBox->setChecked(settings.saveLog());
    m_ui->AlarmWaveCheckBox->setChecked(settings.saveAlarmWave());
    m_ui->AllWaveCheckBox->setChecked(settings.saveAllWave());
    loadPublishSettings(settings);
    emitSaveDataTypes();
}

void AdminWindow::loadPublishSettings(const AppSettings& settings)
{
    m_ui->publishGroupBox->setChecked(settings.publishEnabled());
    m_ui->publishHostEdit->setText(settings.publishHost());
    m_ui->publishPortSpinBox->setValue(settings.publishPort());
    m_ui->publishTlsCheckBox->setChecked(settings.publishTls());
    // toggled() is not sent when the box keeps its state.
    const bool tls = settings.publishTls();
    m_ui->publishVerifyCheckBox->setEnabled(tls);
    m_ui->publishCaFileEdit->setEnabled(tls);
    m_ui->publishCaFileSelectButton->setEnabled(tls);
    m_ui->publishVerifyCheckBox->setChecked(settings.publishTlsVerify());
    m_ui->publishCaFileEdit->setText(settings.publishCaFile());
    m_ui->publishUserEdit->setText(settings.publishUser());
    m_ui->publishPasswordEdit->setText(settings.publishPassword());
    m_ui->publishPrefixEdit->setText(settings.publishPrefix());
    m_ui->publishStationEdit->setText(settings.publishStation());
}

void AdminWindow::writePublishSettings(AppSettings& settings) const
{
    settings.setValue(SettingKey::PublishEnabled, m_ui->publishGroupBox->isChecked());
    settings.setValue(SettingKey::PublishHost, m_ui->publishHostEdit->text().trimmed());
    settings.setValue(SettingKey::PublishPort, m_ui->publishPortSpinBox->value());
    settings.setValue(SettingKey::PublishTls, m_ui->publishTlsCheckBox->isChecked());
    settings.setValue(SettingKey::PublishTlsVerify, m_ui->publishVerifyCheckBox->isChecked());
    settings.setValue(SettingKey::PublishCaFile, m_ui->publishCaFileEdit->text().trimmed());
    settings.setValue(SettingKey::PublishUser, m_ui->publishUserEdit->text());
    settings.setValue(SettingKey::PublishPassword, m_ui->publishPasswordEdit->text());
    settings.setValue(SettingKey::PublishPrefix, m_ui->publishPrefixEdit->text().trimmed());
    settings.setValue(SettingKey::PublishStation, m_ui->publishStationEdit->text().trimmed());
}

void AdminWindow::on_publishCaFileSelectButton_clicked()
{
    const QString path =
        UserPrompt::getOpenFileName(this, tr("Select CA File"), m_ui->publishCaFileEdit->text(),
                                    tr("Certificates (*.pem *.crt);;All files (*)"));
    if (!path.isEmpty())
        m_ui->publishCaFileEdit->setText(path);
}

void AdminWindow::loadDeviceAddress(const AppSettings& settings)
{
    const quint32 stored = settings.deviceAddress();
    const QList<QSpinBox*> boxes = {m_ui->ip1, m_ui->ip2, m_ui->ip3, m_ui->ip4};
    for (int i = 0; i < boxes.size(); ++i) {
        const QSignalBlocker blocker(boxes.at(i));
        boxes.at(i)->setValue(int((stored >> (8 * (3 - i))) & 0xFF));
    }
    // Taken from the boxes rather than the store: a first byte of 0 shows as 1, and what
    // is saved must be what the operator saw.
    updateDeviceAddress();
}

void AdminWindow::updateDeviceAddress()
{
    m_deviceAddress = (quint32(m_ui->ip1->value()) << 24) | (quint32(m_ui->ip2->value()) << 16) |
                      (quint32(m_ui->ip3->value()) << 8) | quint32(m_ui->ip4->value());
}

void AdminWindow::loadSerialPorts(const QString& storedPort)
{
    QComboBox* combo = m_ui->serialPortComboBox;
    combo->clear();
    combo->addItems(m_portList());
    const int present = combo->findText(storedPort, Qt::MatchExactly);
    if (present >= 0) {
        combo->setCurrentIndex(present);
    } else if (!storedPort.isEmpty()) {
        // Kept selectable and marked, so that an adapter that is merely unplugged now
        // is not silently replaced by another port.
        combo->addItem(MissingPortMark + storedPort);
        combo->setCurrentIndex(combo->count() - 1);
    }
}

QString AdminWindow::selectedSerialPort() const
{
    QString port = m_ui->serialPortComboBox->currentText();
    if (port.startsWith(MissingPortMark)) {
        port.remove(0, MissingPortMark.size());
    }
    return port;
}

QStringList AdminWindow::systemSerialPorts()
{
    QStringList names;
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& port : ports) {
        names.append(port.portName());
    }
    return names;
}

bool AdminWindow::isWritableFolder(const QString& path)
{
    const QFileInfo info(path);
    return !path.isEmpty() && info.isDir() && info.isWritable();
}

void AdminWindow::on_dataPathSelectButton_clicked()
{
    chooseFolder(m_ui->dataPathEdit);
}

void AdminWindow::on_settingsPathSelectButton_clicked()
{
    chooseFolder(m_ui->settingsPathEdit);
}

void AdminWindow::chooseFolder(QLineEdit* edit)
{
    const QString path = UserPrompt::getExistingDirectory(this, tr("Select Folder"), edit->text());
    if (path.isEmpty()) {
        return;
    }
    qDebug().noquote() << "New path:" << path;
    if (!isWritableFolder(path)) {
        UserPrompt::warning(this, tr("Error"),
                            tr("The folder is not writable.\nPlease specify another folder."));
        return;
    }
    edit->setText(path);
}

void AdminWindow::accept()
{
    if (!writeSettings()) {
        // Reporting a restart here would claim changes that were never stored; the
        // dialog stays open so that the operator can retry or cancel.
        UserPrompt::critical(
            this, tr("Save Error"),
            tr("The settings could not be saved to \"%1\".").arg(AppSettings().fileName()));
        return;
    }
    emitSaveDataTypes();
    UserPrompt::information(this, tr("Change Configuration"),
                            tr("The applicaiton must be restarted for the changes to take "
                               "effect.\nClick OK to quit the application."));
    QDialog::accept();
    m_quit();
}

// Every key, changed or not: the store then holds exactly what the dialog showed.
bool AdminWindow::writeSettings()
{
    AppSettings settings;
    const QVariantHash before = settings.snapshot();
    settings.setValue(SettingKey::DeviceIPAddress, m_deviceAddress);
    settings.setValue(SettingKey::DataPath, m_ui->dataPathEdit->text());
    settings.setValue(SettingKey::SettingsPath, m_ui->settingsPathEdit->text());
    settings.setValue(SettingKey::RotationHour, m_ui->hour->value());
    settings.setValue(SettingKey::RotationMinute, m_ui->minute->value());
    settings.setValue(SettingKey::MoldMachineSerialPort, selectedSerialPort());
    settings.setValue(SettingKey::SaveDataTypeLog, m_ui->LogCheckBox->isChecked());
    settings.setValue(SettingKey::SaveDataTypeAlarmWave, m_ui->AlarmWaveCheckBox->isChecked());
    settings.setValue(SettingKey::SaveDataTypeAllWave, m_ui->AllWaveCheckBox->isChecked());
    writePublishSettings(settings);
    const bool stored = settings.syncOrRevert(before);
    // The store now holds the broker password.
    AppSettings::restrictToOwner();
    return stored;
}

void AdminWindow::emitSaveDataTypes()
{
    Q_EMIT saveDataTypesChanged(m_ui->LogCheckBox->isChecked(),
                                m_ui->AlarmWaveCheckBox->isChecked(),
                                m_ui->AllWaveCheckBox->isChecked());
}

void AdminWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
    }
    QDialog::changeEvent(event);
}
