#include "AboutDialog.h"

#include "BUPacket.h"
#include "ControlPort.h"
#include "ModuleConfigBase.h"
#include "ui_AboutDialog.h"

#include <QCoreApplication>
#include <QEvent>
#include <QShowEvent>
#include <QStringList>

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::AboutDialog>())
{
    m_ui->setupUi(this);
    // Where "Courier New" is not installed, the columns still line up.
    QFont font = m_ui->versionTextEdit->font();
    font.setStyleHint(QFont::TypeWriter);
    m_ui->versionTextEdit->setFont(font);
}

AboutDialog::~AboutDialog() = default;

void AboutDialog::setSystemConfig(const SystemConfig& config)
{
    m_config = config;
}

QString AboutDialog::text() const
{
    return m_ui->versionTextEdit->toPlainText();
}

QString AboutDialog::versionText(quint32 versionWord)
{
    const QChar zero(u'0');
    return QStringLiteral("%1.%2.%3")
        .arg((versionWord >> 24) & 0xFF, 2, 10, zero)
        .arg((versionWord >> 16) & 0xFF, 2, 10, zero)
        .arg((versionWord >> 8) & 0xFF, 2, 10, zero);
}

void AboutDialog::showEvent(QShowEvent* event)
{
    // The window system re-shows a dialog that was minimised or covered; only a show
    // by the program asks the unit, so that each opening makes exactly one query.
    if (!event->spontaneous()) {
        showVersions();
    }
    QDialog::showEvent(event);
}

void AboutDialog::showVersions()
{
    QString text = tr("System Version\n\nCVO Manager  : ") + QCoreApplication::applicationVersion();
    m_ui->versionTextEdit->setPlainText(text);
    if (m_config.moduleCount() == 0) {
        return;
    }
    // Without an answer the manager's own version is all there is to show; the other
    // windows already report an unreachable unit.
    ControlPort port;
    if (m_stageTimeoutMs > 0) {
        port.setStageTimeout(m_stageTimeoutMs);
    }
    if (port.open() != 0 || port.readUnitInfo() != ControlSuccess) {
        return;
    }
    text += QLatin1Char('\n') + moduleLines(port.packet()->unitInfo());
    m_ui->versionTextEdit->setPlainText(text);
}

// Numbered from 1, as modules are everywhere the operator sees them.
QString AboutDialog::moduleLines(const BUPayload::UnitInfo& info) const
{
    QStringList lines;
    for (int i = 0; i < m_config.moduleCount(); ++i) {
        const ModuleConfigBase* module = m_config.module(i);
        lines.append(QStringLiteral("%1 : ").arg(i + 1) + module->identifierText() +
                     QStringLiteral(" : ") + reportedVersion(info, module->moduleTypeCode()));
    }
    return lines.join(QLatin1Char('\n'));
}

// Entry 0 is the unit itself, never a module. A zero code is no module either: a reply
// that claims more entries than it carries reads as zeros past its end.
QString AboutDialog::reportedVersion(const BUPayload::UnitInfo& info, qint32 moduleTypeCode)
{
    for (int i = 1; i < info.count; ++i) {
        const BUPayload::UnitInfoEntry& entry = info.entries[std::size_t(i)];
        if (entry.moduleTypeCode != 0 && entry.moduleTypeCode == moduleTypeCode) {
            return versionText(entry.versionWord);
        }
    }
    return unreportedVersionText();
}

void AboutDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
    }
    QDialog::changeEvent(event);
}
