#include "SimulatorCommandLine.h"

#include "MoldSettingsFile.h"
#include "Presets.h"
#include "SimulatorOptions.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QStringList>

#include <limits>

namespace {

QCommandLineOption valueOption(const char* name, const QString& help, const char* valueName,
                               const QString& defaultValue = {})
{
    return QCommandLineOption(QLatin1String(name), help, QLatin1String(valueName), defaultValue);
}

QCommandLineOption switchOption(const char* name, const QString& help)
{
    return QCommandLineOption(QLatin1String(name), help);
}

QString presetHelp()
{
    QStringList lines;
    for (const QString& name : Presets::names())
        lines << name + QStringLiteral(": ") + Presets::description(name);
    return QStringLiteral("Unit configuration (default %1). ").arg(Presets::defaultName()) +
           lines.join(QStringLiteral("; "));
}

// A whole number within [min, max]; false with a message otherwise.
bool readInt(const QCommandLineParser& parser, const QCommandLineOption& option, qint64 min,
             qint64 max, qint64* value, QString* error)
{
    if (!parser.isSet(option))
        return true;
    const QString text = parser.value(option);
    bool ok = false;
    const qint64 parsed = text.toLongLong(&ok, 0);
    if (!ok || parsed < min || parsed > max) {
        *error = QStringLiteral("--%1 %2: expected a whole number from %3 to %4")
                     .arg(option.names().constFirst(), text)
                     .arg(min)
                     .arg(max);
        return false;
    }
    *value = parsed;
    return true;
}

template <typename T>
bool readInto(const QCommandLineParser& parser, const QCommandLineOption& option, qint64 min,
              qint64 max, T* target, QString* error)
{
    qint64 value = qint64(*target);
    if (!readInt(parser, option, min, max, &value, error))
        return false;
    *target = T(value);
    return true;
}

constexpr qint64 IntMax = std::numeric_limits<int>::max();

} // namespace

SimulatorCommandLine::SimulatorCommandLine()
    : m_address(valueOption("address", QStringLiteral("IPv4 address to listen on."), "ip",
                            QStringLiteral("127.0.0.1"))),
      m_controlPort(valueOption("control-port", QStringLiteral("Control (command) port."), "port",
                                QStringLiteral("50000"))),
      m_dataPort(valueOption("data-port", QStringLiteral("Data (streaming) port."), "port",
                             QStringLiteral("50001"))),
      m_preset(valueOption("preset", presetHelp(), "name", Presets::defaultName())),
      m_moldFile(valueOption("mold-file",
                             QStringLiteral("Unit configuration from a mold settings file "
                                            "(instead of --preset); the file's base name "
                                            "becomes the settings name."),
                             "file")),
      m_firmware(valueOption("firmware",
                             QStringLiteral("Firmware: standard, a (company A), c (company C) "
                                            "or legacy (older layouts, no unit information)."),
                             "kind", QStringLiteral("standard"))),
      m_versionWord(valueOption("version-word",
                                QStringLiteral("Version word the unit reports, e.g. 0x0B002C96; "
                                               "its low byte selects the firmware kind."),
                                "word")),
      m_cycleTime(valueOption("cycle-time",
                              QStringLiteral("Shot start to shot start in ms (default: the "
                                             "observation period plus 2000)."),
                              "ms")),
      m_speed(valueOption("speed",
                          QStringLiteral("Unit time runs this many times faster than "
                                         "real time (default 1)."),
                          "factor")),
      m_shots(valueOption("shots", QStringLiteral("Quit after this many shots (default: run on)."),
                          "count")),
      m_seed(valueOption("seed", QStringLiteral("Seed of the shot curves (default 1)."), "n")),
      m_driftEvery(valueOption("drift-every",
                               QStringLiteral("Every k-th shot drifts out of a monitoring window."),
                               "k")),
      m_logFrames(switchOption("log-frames", QStringLiteral("Log every frame sent and received."))),
      m_dropEvery(valueOption("drop-every",
                              QStringLiteral("Fault: drop the data connection in the middle of "
                                             "every k-th shot."),
                              "k")),
      m_corruptEvery(valueOption("corrupt-every",
                                 QStringLiteral("Fault: send one frame of every k-th shot with a "
                                                "wrong BCC."),
                                 "k")),
      m_splitFrames(switchOption("split-frames",
                                 QStringLiteral("Fault: cut frames across writes, with a pause."))),
      m_mergeFrames(switchOption(
          "merge-frames", QStringLiteral("Fault: write the frames that are due in one write."))),
      m_silentData(switchOption(
          "silent-data", QStringLiteral("Fault: keep the data connection but send nothing."))),
      m_silentControl(switchOption("silent-control",
                                   QStringLiteral("Fault: never answer on the control port."))),
      m_refuseControl(switchOption("refuse-control",
                                   QStringLiteral("Fault: refuse control-port connections."))),
      m_resetEvery(
          valueOption("reset-every",
                      QStringLiteral("Fault: the unit resets itself after every k-th shot."), "k")),
      m_wrongReplyEvery(valueOption("wrong-reply-every",
                                    QStringLiteral("Fault: answer every k-th request with the "
                                                   "wrong reply type."),
                                    "k")),
      m_randomFaults(valueOption("random-faults",
                                 QStringLiteral("Fault: this share of shots (0 to 1) gets one "
                                                "fault drawn at random (connection reset or "
                                                "closed, bad BCC, split or merged frames, "
                                                "stall, unit reset, machine time-out, noise "
                                                "or bad BCC)."),
                                 "rate")),
      m_faultSeed(valueOption("fault-seed",
                              QStringLiteral("Seed of the random faults (default 1); the same "
                                             "seed repeats the same faults."),
                              "n")),
      m_resetPause(valueOption("reset-pause",
                               QStringLiteral("After a reset the next shot waits this long "
                                              "(ms of unit time, default 0)."),
                               "ms")),
      m_shotLog(valueOption("shot-log",
                            QStringLiteral("Write what was streamed, one JSON line per shot "
                                           "(samples, verdict, fault), to this file."),
                            "file"))
{
}

void SimulatorCommandLine::addTo(QCommandLineParser& parser) const
{
    parser.addOptions({m_address,     m_controlPort,     m_dataPort,      m_preset,
                       m_moldFile,    m_firmware,        m_versionWord,   m_cycleTime,
                       m_speed,       m_shots,           m_seed,          m_driftEvery,
                       m_logFrames,   m_dropEvery,       m_corruptEvery,  m_splitFrames,
                       m_mergeFrames, m_silentData,      m_silentControl, m_refuseControl,
                       m_resetEvery,  m_wrongReplyEvery, m_randomFaults,  m_faultSeed,
                       m_resetPause,  m_shotLog});
}

bool SimulatorCommandLine::read(const QCommandLineParser& parser, SimulatorOptions* options,
                                QString* error) const
{
    if (!readNetwork(parser, options, error) || !readUnit(parser, options, error) ||
        !readFirmware(parser, options, error) || !readTiming(parser, options, error) ||
        !readFaults(parser, options, error))
        return false;
    *error = options->problem();
    return error->isEmpty();
}

bool SimulatorCommandLine::readNetwork(const QCommandLineParser& parser, SimulatorOptions* options,
                                       QString* error) const
{
    const QHostAddress address(parser.value(m_address));
    if (address.isNull() || address.protocol() != QAbstractSocket::IPv4Protocol) {
        *error =
            QStringLiteral("--address %1: expected an IPv4 address").arg(parser.value(m_address));
        return false;
    }
    options->address = address;
    return readInto(parser, m_controlPort, 0, 65535, &options->controlPort, error) &&
           readInto(parser, m_dataPort, 0, 65535, &options->dataPort, error);
}

bool SimulatorCommandLine::readUnit(const QCommandLineParser& parser, SimulatorOptions* options,
                                    QString* error) const
{
    if (parser.isSet(m_moldFile)) {
        const QString path = parser.value(m_moldFile);
        MoldSettingsFile::ReadResult file = MoldSettingsFile::read(path);
        if (file.status != MoldSettingsFile::Status::Ok || !file.config) {
            *error = QStringLiteral("--mold-file %1: not a readable mold settings file").arg(path);
            return false;
        }
        options->config = *file.config;
        options->config.setName(QFileInfo(path).completeBaseName());
        options->presetName = path;
    } else if (const QString preset = parser.value(m_preset);
               Presets::make(preset, &options->config)) {
        options->presetName = preset;
    } else {
        *error = QStringLiteral("--preset %1: expected one of %2")
                     .arg(preset, Presets::names().join(QStringLiteral(", ")));
        return false;
    }
    options->logFrames = parser.isSet(m_logFrames);
    return readInto(parser, m_seed, 0, 0xFFFFFFFFLL, &options->seed, error) &&
           readInto(parser, m_driftEvery, 0, IntMax, &options->driftEvery, error);
}

bool SimulatorCommandLine::readFirmware(const QCommandLineParser& parser, SimulatorOptions* options,
                                        QString* error) const
{
    FirmwareIdentity named;
    if (!FirmwareIdentity::fromName(parser.value(m_firmware), &named)) {
        *error = QStringLiteral("--firmware %1: expected standard, a, c or legacy")
                     .arg(parser.value(m_firmware));
        return false;
    }
    options->firmware = named;
    if (!parser.isSet(m_versionWord))
        return true;
    qint64 word = 0;
    if (!readInt(parser, m_versionWord, 0, 0xFFFFFFFFLL, &word, error))
        return false;
    const FirmwareIdentity versioned = FirmwareIdentity::fromVersionWord(quint32(word));
    // A version word says which firmware it is; a contradicting --firmware is a mistake.
    if (named.usesLegacyLayout() ||
        (parser.isSet(m_firmware) && versioned.kind() != named.kind())) {
        *error = QStringLiteral("--version-word 0x%1 does not belong to --firmware %2")
                     .arg(quint32(word), 8, 16, QLatin1Char('0'))
                     .arg(parser.value(m_firmware));
        return false;
    }
    options->firmware = versioned;
    return true;
}

bool SimulatorCommandLine::readTiming(const QCommandLineParser& parser, SimulatorOptions* options,
                                      QString* error) const
{
    if (parser.isSet(m_speed)) {
        bool ok = false;
        const double speed = parser.value(m_speed).toDouble(&ok);
        if (!ok || !(speed >= SimulatorOptions::MinSpeed && speed <= SimulatorOptions::MaxSpeed)) {
            *error = QStringLiteral("--speed %1: expected a factor from %2 to %3")
                         .arg(parser.value(m_speed))
                         .arg(SimulatorOptions::MinSpeed)
                         .arg(SimulatorOptions::MaxSpeed);
            return false;
        }
        options->speed = speed;
    }
    return readInto(parser, m_cycleTime, 1, IntMax, &options->cycleTimeMs, error) &&
           readInto(parser, m_shots, 1, IntMax, &options->shotLimit, error);
}

bool SimulatorCommandLine::readFaults(const QCommandLineParser& parser, SimulatorOptions* options,
                                      QString* error) const
{
    FaultSwitches& f = options->faults;
    f.splitFrames = parser.isSet(m_splitFrames);
    f.mergeFrames = parser.isSet(m_mergeFrames);
    f.silentData = parser.isSet(m_silentData);
    f.silentControl = parser.isSet(m_silentControl);
    f.refuseControl = parser.isSet(m_refuseControl);
    options->shotLogPath = parser.value(m_shotLog);
    double rate = 0.0;
    if (parser.isSet(m_randomFaults)) {
        bool ok = false;
        rate = parser.value(m_randomFaults).toDouble(&ok);
        if (!ok || !(rate >= 0.0 && rate <= 1.0)) {
            *error = QStringLiteral("--random-faults %1: expected a share from 0 to 1")
                         .arg(parser.value(m_randomFaults));
            return false;
        }
    }
    quint32 faultSeed = 1;
    if (!readInto(parser, m_faultSeed, 0, 0xFFFFFFFFLL, &faultSeed, error))
        return false;
    options->randomFaults = RandomFaults(faultSeed, rate);
    return readInto(parser, m_resetPause, 0, IntMax, &options->resetPauseMs, error) &&
           readInto(parser, m_dropEvery, 1, IntMax, &f.dropDataEvery, error) &&
           readInto(parser, m_corruptEvery, 1, IntMax, &f.corruptFrameEvery, error) &&
           readInto(parser, m_resetEvery, 1, IntMax, &f.resetEvery, error) &&
           readInto(parser, m_wrongReplyEvery, 1, IntMax, &f.wrongReplyEvery, error);
}
