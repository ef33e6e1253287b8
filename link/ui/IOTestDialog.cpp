#include "IOTestDialog.h"
#include "ui_IOTestDialog.h"

#include "ControlPort.h"
#include "UserPrompt.h"

#include <QCheckBox>
#include <QDebug>
#include <QEvent>

namespace {

const char* const LitStyle = "border: 2px solid; border-color: silver; border-radius: 12px; "
                             "background-color: greenyellow";
const char* const UnlitStyle = "border: 2px solid; border-color: silver; border-radius: 12px; "
                               "background-color: palette(label)";

void light(QLabel* indicator, bool lit)
{
    indicator->setStyleSheet(QString::fromLatin1(lit ? LitStyle : UnlitStyle));
}

} // namespace

IOTestDialog::IOTestDialog(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::ioTestDialog>())
{
    m_ui->setupUi(this);
    m_inputLights = {m_ui->in1Status, m_ui->in2Status, m_ui->in3Status, m_ui->in4Status,
                     m_ui->in5Status};
    m_outputLights = {m_ui->out1Status, m_ui->out2Status, m_ui->out3Status, m_ui->out4Status,
                      m_ui->out5Status};
    m_outputBoxes = {m_ui->out1On, m_ui->out2On, m_ui->out3On, m_ui->out4On, m_ui->out5On};
    showIndicators(0, 0);
    connect(&m_pollTimer, &QTimer::timeout, this, &IOTestDialog::sendIOStatusRequest);
}

IOTestDialog::~IOTestDialog() = default;

void IOTestDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    qDebug("showEvent");
    m_firstUpdate = true;
    // Started before the first poll, so that a failing first poll stops it for good.
    m_pollTimer.start(m_pollIntervalMs);
    sendIOStatusRequest();
}

void IOTestDialog::done(int result)
{
    qDebug("Closing IOTest. Stopping timer..");
    m_pollTimer.stop();
    connectOutputBoxes(false);
    QDialog::done(result);
}

void IOTestDialog::sendIOStatusRequest()
{
    qDebug("sendIOStatusRequest");
    ControlPort port;
    // A unit that cannot be reached is as much a failure as one that does not answer:
    // the operator would otherwise watch dead indicators without a word.
    if (port.open() != 0 || port.readIoStatus(m_moduleTypeCode) != ControlSuccess) {
        // Stopped before the message, whose own event loop would let polls pile up.
        m_pollTimer.stop();
        UserPrompt::critical(this, tr("Communication Failure"),
                             tr("Unable to communicate with BU.\nPlease check the connection."));
        return;
    }
    const quint8 outputs = port.packet()->ioStatus().outputs;
    showIndicators(outputs, port.packet()->ioStatus().inputs);
    if (!m_firstUpdate)
        return;
    // The boxes take the unit's outputs before they are connected, so this sends nothing.
    for (int i = 0; i < m_outputBoxes.size(); ++i)
        m_outputBoxes[i]->setChecked(outputs & (1U << i));
    connectOutputBoxes(true);
    m_firstUpdate = false;
}

void IOTestDialog::updateOutput(int)
{
    quint8 outputs = 0;
    for (int i = 0; i < m_outputBoxes.size(); ++i) {
        if (m_outputBoxes[i]->isChecked())
            outputs |= quint8(1U << i);
    }
    ControlPort port;
    if (port.open() == 0)
        port.writeOutputs(m_moduleTypeCode, outputs);
}

void IOTestDialog::showIndicators(quint8 outputs, quint8 inputs)
{
    for (int i = 0; i < m_inputLights.size(); ++i) {
        light(m_inputLights[i], inputs & (1U << i));
        light(m_outputLights[i], outputs & (1U << i));
    }
}

void IOTestDialog::connectOutputBoxes(bool connected)
{
    for (QCheckBox* box : std::as_const(m_outputBoxes)) {
        if (connected)
            connect(box, &QCheckBox::stateChanged, this, &IOTestDialog::updateOutput,
                    Qt::UniqueConnection);
        else
            disconnect(box, &QCheckBox::stateChanged, this, &IOTestDialog::updateOutput);
    }
}

void IOTestDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
    }
    QDialog::changeEvent(event);
}
