// The system part of a mold settings file and the modules below it.

#include "KRT24ModuleConfig.h"
#include "MoldSettingsXml.h"
#include "SystemConfig.h"
#include "ZRAModuleConfig.h"
#include "ZRBModuleConfig.h"
#include "ZRCModuleConfig.h"

#include <QDomDocument>

using namespace MoldSettingsXml;

namespace {

const QString Enabled = QStringLiteral("enabled");
const QString Delay = QStringLiteral("delay");
const QString Edge = QStringLiteral("edge");
const QString AlarmPort = QStringLiteral("alarmport");

// Every type without a class of its own is read as the basic pressure module, so a file
// naming a newer module kind still loads.
std::unique_ptr<ModuleConfigBase> moduleFromElement(int type, SystemConfig* parent,
                                                    const QDomElement& element)
{
    switch (type) {
    case ZRBModuleConfig::TypeCode:
        return std::make_unique<ZRBModuleConfig>(parent, element);
    case ZRAModuleConfig::TypeCode:
        return std::make_unique<ZRAModuleConfig>(parent, element);
    case KRT24ModuleConfig::TypeCode:
        return std::make_unique<KRT24ModuleConfig>(parent, element);
    default:
        return std::make_unique<ZRCModuleConfig>(parent, element);
    }
}

bool readText(const QDomElement& element, const QString& name, QString& text)
{
    text = element.attribute(name);
    return !text.isEmpty();
}

QString edgeText(bool down)
{
    return down ? QStringLiteral("down") : QStringLiteral("up");
}

QString alarmPortText(bool out3)
{
    return out3 ? QStringLiteral("out3") : QStringLiteral("out1");
}

// A missing zone element or an empty port means OUT1.
bool isOnOut3(const QDomElement& alarm, const QString& zone)
{
    return alarm.firstChildElement(zone).attribute(AlarmPort) == QLatin1String("out3");
}

} // namespace

SystemConfig::SystemConfig(const QDomElement& mold) : m_flags(0), m_hasError(true)
{
    m_hasError = !readSettingsFromElement(mold.firstChildElement(QStringLiteral("system"))) ||
                 !readModulesFromElement(mold);
}

bool SystemConfig::readSettingsFromElement(const QDomElement& system)
{
    const QDomElement sampling = system.firstChildElement(QStringLiteral("sampling"));
    const QDomElement alarm = system.firstChildElement(QStringLiteral("alarm"));
    const QDomElement autoClear = alarm.firstChildElement(QStringLiteral("autoclear"));
    const QDomElement triggerClear = alarm.firstChildElement(QStringLiteral("triggerclear"));
    const QDomElement startTrigger = system.firstChildElement(QStringLiteral("starttrigger"));
    QString alarmEnabled, condition, when, timerEnabled, triggerEnabled, clearEdge, startEdge;
    if (!readInteger(sampling, QStringLiteral("period"), m_period) ||
        !readInteger(sampling, QStringLiteral("interval"), m_samplingInterval) ||
        !readText(alarm, Enabled, alarmEnabled) ||
        !readText(alarm, QStringLiteral("condition"), condition) ||
        !readText(alarm, QStringLiteral("when"), when) ||
        !readText(autoClear, Enabled, timerEnabled) ||
        !readInteger(autoClear, Delay, m_alarmClearDelay) ||
        !readText(triggerClear, Enabled, triggerEnabled) ||
        !readText(triggerClear, Edge, clearEdge) || !readText(startTrigger, Edge, startEdge) ||
        !readInteger(startTrigger, Delay, m_startDelay))
        return false;
    setAlarmEnabled(alarmEnabled == QLatin1String("true"));
    setConditionAnd(condition == QLatin1String("and"));
    setAlarmImmediate(when == QLatin1String("immediate"));
    setClearByTimer(timerEnabled == QLatin1String("true"));
    setClearByTrigger(triggerEnabled == QLatin1String("true"));
    setClearEdgeDown(clearEdge == QLatin1String("down"));
    setWatch1OnOut3(isOnOut3(alarm, QStringLiteral("zone1")));
    setWatch2OnOut3(isOnOut3(alarm, QStringLiteral("zone2")));
    setStartEdgeDown(startEdge == QLatin1String("down"));
    return true;
}

// More modules than the unit can hold make the file faulty rather than being dropped
// without a word.
bool SystemConfig::readModulesFromElement(const QDomElement& mold)
{
    for (const QDomElement& element : childElements(mold, QStringLiteral("module"))) {
        if (element.attribute(QStringLiteral("type")).isEmpty())
            continue;
        int type = 0;
        if (!readInteger(element, QStringLiteral("type"), type) || moduleCount() >= MaxModules)
            return false;
        std::unique_ptr<ModuleConfigBase> read = moduleFromElement(type, this, element);
        if (read->hasError())
            return false;
        m_modules.push_back(std::move(read));
    }
    return true;
}

QDomElement SystemConfig::toElement(QDomDocument& document) const
{
    QDomElement mold = document.createElement(QStringLiteral("mold"));
    QDomElement system = appendElement(document, mold, QStringLiteral("system"));

    QDomElement sampling = appendElement(document, system, QStringLiteral("sampling"));
    sampling.setAttribute(QStringLiteral("period"), m_period);
    sampling.setAttribute(QStringLiteral("interval"), m_samplingInterval);

    QDomElement alarm = appendElement(document, system, QStringLiteral("alarm"));
    alarm.setAttribute(Enabled, boolText(alarmEnabled()));
    alarm.setAttribute(QStringLiteral("condition"),
                       conditionAnd() ? QStringLiteral("and") : QStringLiteral("or"));
    alarm.setAttribute(QStringLiteral("when"),
                       alarmImmediate() ? QStringLiteral("immediate") : QStringLiteral("later"));
    QDomElement autoClear = appendElement(document, alarm, QStringLiteral("autoclear"));
    autoClear.setAttribute(Enabled, boolText(clearByTimer()));
    autoClear.setAttribute(Delay, m_alarmClearDelay);
    QDomElement triggerClear = appendElement(document, alarm, QStringLiteral("triggerclear"));
    triggerClear.setAttribute(Enabled, boolText(clearByTrigger()));
    triggerClear.setAttribute(Edge, edgeText(clearEdgeDown()));
    appendElement(document, alarm, QStringLiteral("zone1"))
        .setAttribute(AlarmPort, alarmPortText(watch1OnOut3()));
    appendElement(document, alarm, QStringLiteral("zone2"))
        .setAttribute(AlarmPort, alarmPortText(watch2OnOut3()));

    QDomElement startTrigger = appendElement(document, system, QStringLiteral("starttrigger"));
    startTrigger.setAttribute(Edge, edgeText(startEdgeDown()));
    startTrigger.setAttribute(Delay, m_startDelay);

    for (const auto& owned : m_modules)
        mold.appendChild(owned->toElement(document));
    return mold;
}
