#pragma once

#include "FirmwareUploader.h"

#include <QDialog>

#include <memory>

namespace Ui {
class FirmwareUpdateWindow;
}

// The operator picks a firmware file (Motorola S-records, ".mot"), the window checks it,
// uploads it to the unit's FTP server with a progress bar and, once it has arrived, tells
// the unit over the control port to take it. Nothing is sent for a file that fails the
// check; any failure of the upload or of the request is reported as such.
class FirmwareUpdateWindow : public QDialog
{
    Q_OBJECT

public:
    // A firmware image is a few MiB; a far larger file is not one.
    static constexpr qint64 MaxFileBytes = 32 * 1024 * 1024;

    explicit FirmwareUpdateWindow(QWidget* parent = nullptr);
    ~FirmwareUpdateWindow() override;

    // Ends any upload, hides the progress, clears the path. Called before each opening.
    void reset();
    // Tests point it at another port and shorten the inactivity time.
    FirmwareUploader& uploader() { return m_uploader; }

public Q_SLOTS:
    // Closing the window abandons a running upload: the operator has given up on it.
    void done(int result) override;

private Q_SLOTS:
    void on_closeButton_clicked(bool checked = false);
    void on_selectButton_clicked(bool checked = false);
    void on_updateButton_clicked(bool checked = false);
    void ftpCommandFinished(FirmwareUploader::Outcome outcome, const QString& error);
    void updateProgress(qint64 sent, qint64 total);

protected:
    // A new interface language: the form's texts again.
    void changeEvent(QEvent* event) override;

private:
    // The file's bytes when it can be read and is a sound S-record image; otherwise
    // the operator has been told why and false is returned.
    bool readFirmwareFile(const QString& path, QByteArray* image);
    void endUpload();
    bool activateFirmware();

    std::unique_ptr<Ui::FirmwareUpdateWindow> m_ui;
    FirmwareUploader m_uploader;
};
