#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class settingsChooserDialog;
}

// Asks which side wins when the unit's settings differ from the file of the same name.
// Its result tells the choice; Escape or the close button rejects, which chooses nothing.
class SettingsChooserDialog : public QDialog
{
    Q_OBJECT

public:
    enum Result
    {
        NoChoice = QDialog::Rejected,
        OverwriteFile = QDialog::Accepted, // the unit's settings are kept and saved
        OverwriteEquipment,                // the file's settings are sent to the unit
    };

    explicit SettingsChooserDialog(QWidget* parent = nullptr);
    ~SettingsChooserDialog() override;

    // Shows the settings file's name: the settings name followed by ".xml".
    void setSettingsName(const QString& name);

protected:
    // A new interface language: the form's texts again.
    void changeEvent(QEvent* event) override;

private:
    std::unique_ptr<Ui::settingsChooserDialog> m_ui;
};
