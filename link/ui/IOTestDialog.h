#pragma once

#include <QDialog>
#include <QList>
#include <QTimer>

#include <memory>

class QCheckBox;
class QLabel;

namespace Ui {
class ioTestDialog;
}

// Shows the unit's five inputs and five outputs live and lets the operator switch each
// output by hand. Polls the unit while shown; an output check box change is written at
// once, and the next poll shows what the unit actually made of it. The main window puts
// the unit into I/O test mode around it.
class IOTestDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int DefaultPollIntervalMs = 1000;

    explicit IOTestDialog(QWidget* parent = nullptr);
    ~IOTestDialog() override;

    // The first module of the unit's configuration, which the I/O requests name.
    void setModuleTypeCode(qint32 code) { m_moduleTypeCode = code; }
    // Tests poll faster; takes effect at the next showing.
    void setPollInterval(int ms) { m_pollIntervalMs = ms; }

public Q_SLOTS:
    void sendIOStatusRequest();
    void updateOutput(int state);
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

protected:
    // A new interface language: the form's texts again.
    void changeEvent(QEvent* event) override;

private:
    void showIndicators(quint8 outputs, quint8 inputs);
    void connectOutputBoxes(bool connected);

    std::unique_ptr<Ui::ioTestDialog> m_ui;
    QList<QLabel*> m_inputLights;
    QList<QLabel*> m_outputLights;
    QList<QCheckBox*> m_outputBoxes;
    QTimer m_pollTimer;
    int m_pollIntervalMs = DefaultPollIntervalMs;
    qint32 m_moduleTypeCode = 0;
    // Set at each showing: the first successful read sets the check boxes.
    bool m_firstUpdate = true;
};
