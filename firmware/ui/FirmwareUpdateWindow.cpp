#include "FirmwareUpdateWindow.h"
#include "ui_FirmwareUpdateWindow.h"

#include "ControlPort.h"
#include "SRecordCheck.h"
#include "UserPrompt.h"

#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFile>

FirmwareUpdateWindow::FirmwareUpdateWindow(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::FirmwareUpdateWindow>())
{
    m_ui->setupUi(this);
    connect(&m_uploader, &FirmwareUploader::progress, this, &FirmwareUpdateWindow::updateProgress);
    connect(&m_uploader, &FirmwareUploader::finished, this,
            &FirmwareUpdateWindow::ftpCommandFinished);
    // A typed path counts as much as a chosen one.
    connect(m_ui->filePathEdit, &QLineEdit::textChanged, this, [this](const QString& path) {
        m_ui->updateButton->setEnabled(!path.isEmpty() && !m_uploader.isRunning());
    });
    reset();
}

FirmwareUpdateWindow::~FirmwareUpdateWindow() = default;

void FirmwareUpdateWindow::reset()
{
    endUpload();
    m_ui->progressBar->setMaximum(0);
    m_ui->progressBar->setValue(0);
    m_ui->progressBar->hide();
    m_ui->filePathEdit->clear();
    m_ui->updateButton->setEnabled(false);
}

void FirmwareUpdateWindow::done(int result)
{
    if (m_uploader.isRunning()) {
        qDebug("Firmware upload abandoned");
        endUpload();
    }
    QDialog::done(result);
}

void FirmwareUpdateWindow::on_closeButton_clicked(bool)
{
    close();
}

void FirmwareUpdateWindow::on_selectButton_clicked(bool)
{
    UserPrompt::FileRequest request{
        UserPrompt::FileKind::OpenFileName, this,
        tr("Open Firmware File"),           QDir::current().filePath(QStringLiteral("MOT")),
        tr("Firmware File(*.mot)"),         tr("Select Firmware File")};
    const QString path = UserPrompt::getFileName(request);
    if (path.isEmpty())
        return;
    m_ui->filePathEdit->setText(path);
    qDebug() << "New path:" << path;
}

void FirmwareUpdateWindow::on_updateButton_clicked(bool)
{
    const QString path = m_ui->filePathEdit->text();
    QByteArray image;
    if (m_uploader.isRunning() || !readFirmwareFile(path, &image))
        return;

    const QString target = FirmwareUploader::targetFileName(path);
    qDebug("UPLOAD START");
    m_ui->updateButton->setEnabled(false);
    m_ui->progressBar->setMaximum(0);
    m_ui->progressBar->setValue(0);
    m_ui->progressBar->show();
    m_uploader.start(ControlPort::unitAddress().toString(), target, image);
    qDebug() << "Sending firmware file as:" << target;
}

// The bytes checked are the bytes sent: the file is read once.
bool FirmwareUpdateWindow::readFirmwareFile(const QString& path, QByteArray* image)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        UserPrompt::warning(this, tr("Open Error"),
                            tr("Can not open the file.\nPlease check whether you have permission "
                               "to read."));
        return false;
    }
    QString reason;
    int line = 0;
    if (file.size() > MaxFileBytes) {
        reason = tr("The file is larger than any firmware image (%1 MiB at most).")
                     .arg(MaxFileBytes / (1024 * 1024));
    } else {
        *image = file.readAll();
        const SRecordCheck::Result check = SRecordCheck::check(*image);
        reason = check.reason;
        line = check.line;
    }
    if (reason.isEmpty())
        return true;
    const QString where = line > 0 ? tr("Line %1: %2").arg(line).arg(reason) : reason;
    qDebug() << "Firmware file refused:" << path << where;
    UserPrompt::warning(this, tr("File Format Error"),
                        tr("This is not a valid firmware file (Motorola S-records), so nothing "
                           "was sent to BU.\n%1")
                            .arg(where));
    return false;
}

void FirmwareUpdateWindow::updateProgress(qint64 sent, qint64 total)
{
    qDebug().noquote() << QStringLiteral("%1 / %2").arg(sent).arg(total);
    // Both fit the bar's int range: larger files are refused before the upload.
    m_ui->progressBar->setMaximum(int(total));
    m_ui->progressBar->setValue(int(sent));
}

void FirmwareUpdateWindow::ftpCommandFinished(FirmwareUploader::Outcome outcome,
                                              const QString& error)
{
    qDebug("UPLOAD END");
    if (outcome != FirmwareUploader::Succeeded)
        qDebug() << "Upload error:" << outcome << error;
    endUpload();
    if (outcome == FirmwareUploader::Succeeded && activateFirmware()) {
        UserPrompt::information(this, tr("Firmware Update"), tr("Firmware update succeeded."));
        close();
        return;
    }
    UserPrompt::warning(this, tr("Error"), tr("Firmware update failed."));
}

// The unit has the file; it takes it only when told to. No reply comes: it resets.
bool FirmwareUpdateWindow::activateFirmware()
{
    ControlPort port;
    if (port.open() != 0)
        return false;
    qDebug("Sending firmwareUpdate");
    port.prepareFirmwareUpdate();
    return true;
}

void FirmwareUpdateWindow::endUpload()
{
    m_uploader.cancel();
    m_ui->updateButton->setEnabled(!m_ui->filePathEdit->text().isEmpty());
    m_ui->progressBar->hide();
}

void FirmwareUpdateWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
    }
    QDialog::changeEvent(event);
}
