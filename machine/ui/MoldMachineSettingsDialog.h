#pragma once

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class moldMachineSettingsDialog;
}

// Lets the operator edit the molding machine table ("Mold_Machine.csv") as plain text.
// The text is saved as it stands, lines the link will skip included, when the dialog is
// accepted; the caller then reloads the table into the link.
class MoldMachineSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit MoldMachineSettingsDialog(QWidget* parent = nullptr);
    ~MoldMachineSettingsDialog() override;

    void setFilePath(const QString& path) { m_filePath = path; }
    QString filePath() const { return m_filePath; }

    // Shows the file's lines in the editor; a missing file leaves the editor empty and
    // returns false.
    bool load();
    // Writes the editor's text to the file, all or nothing.
    bool save();

    // Accepting saves first; a file that cannot be written is reported and keeps the
    // dialog open, so the operator's edits are not lost behind an "OK".
    void done(int result) override;

protected:
    // A new interface language: the form's texts again.
    void changeEvent(QEvent* event) override;

private:
    std::unique_ptr<Ui::moldMachineSettingsDialog> m_ui;
    QString m_filePath;
};
