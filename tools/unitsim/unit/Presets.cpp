#include "Presets.h"

#include "ChannelConfig.h"
#include "ShotJudge.h"
#include "ShotSynth.h"
#include "SystemConfig.h"

#include <cmath>

namespace {

// Identifiers as a unit reports them: the kind in the top byte, then a serial number.
constexpr quint32 PressureModule8 = 0x11000101;
constexpr quint32 PressureModule4 = 0x01000201;
constexpr quint32 TemperatureModule4 = 0x02000301;
constexpr quint32 ChargeModule4 = 0x03000401;

struct Preset
{
    const char* name;
    const char* description;
    const char* settingsName;
    quint8 period;   // s
    quint8 interval; // ms
    QList<quint32> modules;
};

const QList<Preset>& presets()
{
    static const QList<Preset> list = {
        {"pressure8",
         "one 8-channel pressure module, 5 s at 5 ms",
         "DEMO-P8",
         5,
         5,
         {PressureModule8}},
        {"mixed",
         "8-channel pressure, 4-channel pressure, temperature and charge modules, 10 s at 10 ms",
         "DEMO-MIXED",
         10,
         10,
         {PressureModule8, PressureModule4, TemperatureModule4, ChargeModule4}},
        {"channels32",
         "four 8-channel pressure modules (32 channels, one result frame), 5 s at 10 ms",
         "DEMO-32CH",
         5,
         10,
         {PressureModule8, PressureModule8 + 1, PressureModule8 + 2, PressureModule8 + 3}},
        {"channels40",
         "five 8-channel pressure modules (40 channels), 10 s at 1 ms",
         "DEMO-40CH",
         10,
         1,
         {PressureModule8, PressureModule8 + 1, PressureModule8 + 2, PressureModule8 + 3,
          PressureModule8 + 4}},
    };
    return list;
}

const Preset* find(const QString& name)
{
    for (const Preset& preset : presets()) {
        if (name == QLatin1String(preset.name))
            return &preset;
    }
    return nullptr;
}

// A new channel's integral bands (100..200 counts) fit no curve the unit makes. Centre them
// on the integrals of an undisturbed shot instead, so that a preset unit judges its normal
// shots OK and only shots that drift out of a window NG.
void fitIntegralBands(SystemConfig& config)
{
    ShotSynth synth;
    const QList<QList<qint16>> shot = synth.makeShot(config, 1);
    for (int c = 0; c < config.channelCount() && c < shot.size(); ++c) {
        ChannelConfig* channel = config.channelAt(c);
        const ChannelResult result =
            judgeChannel(*channel, shot.at(c), config.samplingInterval(), nullptr);
        const auto band = [](double value, double below, double above) {
            const double low = std::floor(value * below);
            const double high = std::ceil(value * above) + 2;
            return ValueRange{quint16(qBound(0.0, low, 65535.0)),
                              quint16(qBound(0.0, high, 65535.0)), true};
        };
        channel->setIntegral(band(result.d, 0.5, 1.6));
        channel->setPeakIntegral(band(result.e, 0.5, 2.0));
    }
}

} // namespace

namespace Presets {

QString defaultName()
{
    return QStringLiteral("pressure8");
}

QStringList names()
{
    QStringList list;
    for (const Preset& preset : presets())
        list << QLatin1String(preset.name);
    return list;
}

QString description(const QString& name)
{
    const Preset* preset = find(name);
    return preset ? QLatin1String(preset->description) : QString();
}

bool make(const QString& name, SystemConfig* config)
{
    const Preset* preset = find(name);
    if (!preset)
        return false;
    SystemConfig made;
    made.setName(QLatin1String(preset->settingsName));
    made.setPeriod(preset->period);
    made.setSamplingInterval(preset->interval);
    for (quint32 code : preset->modules)
        made.addModule(code);
    fitIntegralBands(made);
    *config = std::move(made);
    return true;
}

} // namespace Presets
