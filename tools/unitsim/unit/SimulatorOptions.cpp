#include "SimulatorOptions.h"

#include "Presets.h"
#include "ShotFrames.h"

SimulatorOptions::SimulatorOptions() : presetName(Presets::defaultName())
{
    Presets::make(presetName, &config);
}

QString SimulatorOptions::problem() const
{
    QString why;
    if (!ShotFrames::fitsSampleFrame(config, &why))
        return why;
    if (config.moduleCount() > SystemConfig::MaxModules)
        return QStringLiteral("at most %1 modules").arg(SystemConfig::MaxModules);
    const int interval = config.samplingInterval();
    if (interval != 1 && interval != 5 && interval != 10 && interval != 20)
        return QStringLiteral("sampling interval %1 ms is not one of 1, 5, 10, 20").arg(interval);
    if (config.period() < 1 || config.period() > 120)
        return QStringLiteral("observation period %1 s is not within 1..120").arg(config.period());
    if (!(speed >= MinSpeed && speed <= MaxSpeed))
        return QStringLiteral("speed %1 is not within %2..%3")
            .arg(speed)
            .arg(MinSpeed)
            .arg(MaxSpeed);
    if (cycleTimeMs < 0 || resetPauseMs < 0 || shotLimit < 0 || driftEvery < 0 || tickMs < 1)
        return QStringLiteral("negative cycle time, shot count, drift or tick");
    if (controlPort != 0 && controlPort == dataPort)
        return QStringLiteral("control and data port are both %1").arg(controlPort);
    const FaultSwitches& f = faults;
    if (f.dropDataEvery < 0 || f.corruptFrameEvery < 0 || f.wrongReplyEvery < 0 || f.resetEvery < 0)
        return QStringLiteral("negative fault interval");
    return {};
}
