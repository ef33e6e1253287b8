#include "SettingsChooserDialog.h"

#include "ui_SettingsChooserDialog.h"

#include <QEvent>

SettingsChooserDialog::SettingsChooserDialog(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::settingsChooserDialog>())
{
    m_ui->setupUi(this);
    connect(m_ui->overwriteFileButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->overwriteEquipmentButton, &QPushButton::clicked, this,
            [this] { done(OverwriteEquipment); });
}

SettingsChooserDialog::~SettingsChooserDialog() = default;

void SettingsChooserDialog::setSettingsName(const QString& name)
{
    m_ui->settingsNameLabel->setText(name + QStringLiteral(".xml"));
}

void SettingsChooserDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
    }
    QDialog::changeEvent(event);
}
