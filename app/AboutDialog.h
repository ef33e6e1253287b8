#pragma once

#include "SystemConfig.h"

#include <QDialog>
#include <QString>

#include <memory>

class QShowEvent;

namespace BUPayload {
struct UnitInfo;
}

namespace Ui {
class AboutDialog;
}

// Shows the manager's version and, for each module of the current configuration, the
// firmware version the unit reports for it. The unit is asked each time the dialog is
// shown, because a module may have been exchanged since the last time.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
    ~AboutDialog() override;

    // The modules to list. Kept as a copy, so the caller may replace its configuration
    // while the dialog lives.
    void setSystemConfig(const SystemConfig& config);
    // Per-stage limit of the unit query; tests shorten it. 0 keeps the control port's own.
    void setStageTimeout(int ms) { m_stageTimeoutMs = ms; }

    // What the text box shows.
    QString text() const;

    // The top three bytes of a version word, most significant first, as "11.00.43".
    static QString versionText(quint32 versionWord);
    // Shown for a module the unit did not report.
    static QString unreportedVersionText() { return QStringLiteral("--.--.--"); }

protected:
    void showEvent(QShowEvent* event) override;

protected:
    // A new interface language: the form's texts again.
    void changeEvent(QEvent* event) override;

private:
    void showVersions();
    QString moduleLines(const BUPayload::UnitInfo& info) const;
    static QString reportedVersion(const BUPayload::UnitInfo& info, qint32 moduleTypeCode);

    std::unique_ptr<Ui::AboutDialog> m_ui;
    SystemConfig m_config;
    int m_stageTimeoutMs = 0;
};
