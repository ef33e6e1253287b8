#include "MoldMachineSettingsDialog.h"

#include "UserPrompt.h"
#include "ui_MoldMachineSettingsDialog.h"

#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>

MoldMachineSettingsDialog::MoldMachineSettingsDialog(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::moldMachineSettingsDialog>())
{
    m_ui->setupUi(this);
}

MoldMachineSettingsDialog::~MoldMachineSettingsDialog() = default;

bool MoldMachineSettingsDialog::load()
{
    m_ui->plainTextEdit->clear();
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qDebug() << " Machine File Open Error";
        return false;
    }
    QTextStream in(&file);
    QStringList lines;
    while (!in.atEnd())
        lines.append(in.readLine());
    m_ui->plainTextEdit->setPlainText(lines.join(QLatin1Char('\n')));
    return true;
}

bool MoldMachineSettingsDialog::save()
{
    const QString text = m_ui->plainTextEdit->toPlainText();
    qDebug() << "saveMoldMashineFile Line :"
             << text.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size();
    // A fresh installation may not have its settings folder yet.
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    QSaveFile file(m_filePath);
    // Unbuffered, so that a failing write shows here and not as a silently cut file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Unbuffered)) {
        qDebug().noquote() << "Mold machine table not saved:" << file.errorString();
        return false;
    }
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size()) {
        qDebug().noquote() << "Mold machine table not saved:" << file.errorString();
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void MoldMachineSettingsDialog::done(int result)
{
    qDebug() << "MoldMachineSettingsDialog done() r=" << result;
    if (result == QDialog::Accepted && !save()) {
        UserPrompt::critical(
            this, tr("Save Error"),
            tr("Can not save the file.\n%1").arg(QDir::toNativeSeparators(m_filePath)));
        return;
    }
    QDialog::done(result);
}

void MoldMachineSettingsDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
    }
    QDialog::changeEvent(event);
}
