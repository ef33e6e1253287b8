#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>

class QCommandLineParser;
struct SimulatorOptions;

// The unit's command-line options. A program adds them to its parser next to its own,
// processes the arguments, then reads the unit's options back:
//
//   QCommandLineParser parser;
//   SimulatorCommandLine unit;
//   unit.addTo(parser);
//   parser.addOption(...);            // further options of the program
//   parser.process(app);
//   SimulatorOptions options;
//   if (!unit.read(parser, &options, &error)) ...
class SimulatorCommandLine
{
public:
    SimulatorCommandLine();

    void addTo(QCommandLineParser& parser) const;
    // False with a message when a value is malformed or the options are unusable.
    bool read(const QCommandLineParser& parser, SimulatorOptions* options, QString* error) const;

private:
    bool readNetwork(const QCommandLineParser& parser, SimulatorOptions* options,
                     QString* error) const;
    bool readUnit(const QCommandLineParser& parser, SimulatorOptions* options,
                  QString* error) const;
    bool readFirmware(const QCommandLineParser& parser, SimulatorOptions* options,
                      QString* error) const;
    bool readTiming(const QCommandLineParser& parser, SimulatorOptions* options,
                    QString* error) const;
    bool readFaults(const QCommandLineParser& parser, SimulatorOptions* options,
                    QString* error) const;

    QCommandLineOption m_address;
    QCommandLineOption m_controlPort;
    QCommandLineOption m_dataPort;
    QCommandLineOption m_preset;
    QCommandLineOption m_moldFile;
    QCommandLineOption m_firmware;
    QCommandLineOption m_versionWord;
    QCommandLineOption m_cycleTime;
    QCommandLineOption m_speed;
    QCommandLineOption m_shots;
    QCommandLineOption m_seed;
    QCommandLineOption m_driftEvery;
    QCommandLineOption m_logFrames;
    QCommandLineOption m_dropEvery;
    QCommandLineOption m_corruptEvery;
    QCommandLineOption m_splitFrames;
    QCommandLineOption m_mergeFrames;
    QCommandLineOption m_silentData;
    QCommandLineOption m_silentControl;
    QCommandLineOption m_refuseControl;
    QCommandLineOption m_resetEvery;
    QCommandLineOption m_wrongReplyEvery;
    QCommandLineOption m_randomFaults;
    QCommandLineOption m_faultSeed;
    QCommandLineOption m_resetPause;
    QCommandLineOption m_shotLog;
};
