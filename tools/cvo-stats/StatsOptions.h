#pragma once

#include "ChannelStatistics.h"

#include <QStringList>

#include <optional>

class QCommandLineParser;

// The command line of cvo-stats: the files, the outputs and one option per parameter
// control of the data viewer window. Values are taken as the window takes them (sigma
// in its slider steps, the time allowance truncated), so that both write the same files.
class StatsOptions
{
public:
    QStringList files;
    QString wavcsvPath;
    QString averagePath;
    int threads = 0;

    // False with `error` set when an option's value is unusable.
    bool parse(const QStringList& arguments, QString& error);
    QString helpText() const { return m_help; }
    bool helpRequested() const { return m_helpRequested; }
    // The given options over each channel's defaults.
    QList<ChannelParameters> parametersFor(const DataFileLayout& layout) const;

private:
    std::optional<int> m_averageSmoothing;
    std::optional<int> m_upperSigmaSlider, m_lowerSigmaSlider;
    std::optional<int> m_upperSmoothing, m_lowerSmoothing;
    std::optional<float> m_upperOffset, m_lowerOffset;
    std::optional<int> m_upperAllowance, m_lowerAllowance;
    std::optional<QString> m_rangeFrom, m_rangeTo;
    QString m_help;
    bool m_helpRequested = false;
};
