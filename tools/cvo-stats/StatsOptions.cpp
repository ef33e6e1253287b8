#include "StatsOptions.h"

#include "DataSetReader.h"

#include <QCommandLineParser>

namespace {

struct NumberOption
{
    const char* name;
    const char* help;
};

constexpr NumberOption Options[] = {
    {"average-smoothing", "Smoothing level of the average, 0..30 (default 10)."},
    {"upper-sigma", "Sigma of the upper limit, 0.2..8.0 in steps of 0.2 (default 1.0)."},
    {"upper-smoothing", "Smoothing level of the upper limit, 0..30 (default 10)."},
    {"upper-minimum-offset", "Minimum offset of the upper limit (default 2 % of full scale)."},
    {"upper-time-allowance", "Time allowance of the upper limit, samples (default 20)."},
    {"lower-sigma", "Sigma of the lower limit, 0.2..8.0 in steps of 0.2 (default 1.0)."},
    {"lower-smoothing", "Smoothing level of the lower limit, 0..30 (default 10)."},
    {"lower-minimum-offset", "Minimum data offset of the lower limit (default 2 % of full "
                             "scale)."},
    {"lower-time-allowance", "Time allowance of the lower limit, samples (default 20)."},
    {"range-from", "Start of the monitoring waveform range, seconds (default 0)."},
    {"range-to", "End of the monitoring waveform range, seconds (default: the period)."},
};

std::optional<int> intIn(const QString& text, int low, int high, bool& ok)
{
    bool good = false;
    const int value = text.toInt(&good);
    ok = good && value >= low && value <= high;
    return value;
}

std::optional<float> floatOf(const QString& text, bool& ok)
{
    const float value = text.toFloat(&ok);
    return value;
}

} // namespace

bool StatsOptions::parse(const QStringList& arguments, QString& error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Builds the monitoring waveform of recorded shots as the data viewer "
                       "does: the average, standard deviation and limit envelopes of every "
                       "channel. Prints a summary per channel and writes the files asked for."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("Recorded data files (.csv) of one mold setting, "
                                                "35 or less; the first fixes the settings."),
                                 QStringLiteral("FILE..."));
    parser.addOption({QStringLiteral("wavcsv"),
                      QStringLiteral("Write the monitoring waveform file (.wavcsv) to PATH."),
                      QStringLiteral("PATH")});
    parser.addOption({QStringLiteral("average"),
                      QStringLiteral("Write the average data file (.csv) to PATH."),
                      QStringLiteral("PATH")});
    parser.addOption({QStringLiteral("threads"),
                      QStringLiteral("Threads reading the files (default: one per core)."),
                      QStringLiteral("N")});
    for (const NumberOption& o : Options)
        parser.addOption(
            {QString::fromLatin1(o.name), QString::fromLatin1(o.help), QStringLiteral("VALUE")});
    m_help = parser.helpText();
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return false;
    }
    m_helpRequested = parser.isSet(QStringLiteral("help"));
    files = parser.positionalArguments();
    wavcsvPath = parser.value(QStringLiteral("wavcsv"));
    averagePath = parser.value(QStringLiteral("average"));

    bool ok = true;
    const auto bad = [&](const char* name) {
        error = QStringLiteral("invalid value for --%1: %2")
                    .arg(QLatin1String(name), parser.value(QString::fromLatin1(name)));
        return false;
    };
    const auto given = [&](const char* name) { return parser.isSet(QString::fromLatin1(name)); };
    const auto text = [&](const char* name) { return parser.value(QString::fromLatin1(name)); };
    const auto smoothing = [&](const char* name, std::optional<int>& out) {
        if (given(name) && (out = intIn(text(name), 0, 30, ok), !ok))
            return bad(name);
        return true;
    };
    const auto sigma = [&](const char* name, std::optional<int>& out) {
        if (!given(name))
            return true;
        const std::optional<float> value = floatOf(text(name), ok);
        out = ChannelParameters::sigmaSlider(*value);
        return ok && *out >= 1 && *out <= 40 ? true : bad(name);
    };
    const auto offset = [&](const char* name, std::optional<float>& out) {
        if (given(name) && (out = floatOf(text(name), ok), !ok))
            return bad(name);
        return true;
    };
    const auto allowance = [&](const char* name, std::optional<int>& out) {
        if (!given(name))
            return true;
        const std::optional<float> value = floatOf(text(name), ok);
        if (!ok || *value < 0 || *value > 1e6f)
            return bad(name);
        out = int(*value);
        return true;
    };
    if (given("threads") && (threads = *intIn(text("threads"), 1, 64, ok), !ok))
        return bad("threads");
    if (!smoothing("average-smoothing", m_averageSmoothing) ||
        !sigma("upper-sigma", m_upperSigmaSlider) || !sigma("lower-sigma", m_lowerSigmaSlider) ||
        !smoothing("upper-smoothing", m_upperSmoothing) ||
        !smoothing("lower-smoothing", m_lowerSmoothing) ||
        !offset("upper-minimum-offset", m_upperOffset) ||
        !offset("lower-minimum-offset", m_lowerOffset) ||
        !allowance("upper-time-allowance", m_upperAllowance) ||
        !allowance("lower-time-allowance", m_lowerAllowance))
        return false;
    if (given("range-from"))
        m_rangeFrom = text("range-from");
    if (given("range-to"))
        m_rangeTo = text("range-to");
    if (!m_helpRequested && files.isEmpty()) {
        error = QStringLiteral("no data file given (see --help)");
        return false;
    }
    if (files.size() > DataSetReader::MaxFiles) {
        error = QStringLiteral("too many files: 35 or less");
        return false;
    }
    return true;
}

QList<ChannelParameters> StatsOptions::parametersFor(const DataFileLayout& layout) const
{
    QList<ChannelParameters> parameters = ChannelStatistics::defaultParameters(layout);
    for (ChannelParameters& p : parameters) {
        p.averageSmoothing = m_averageSmoothing.value_or(p.averageSmoothing);
        if (m_upperSigmaSlider)
            p.upperSigma = ChannelParameters::sigmaOfSlider(*m_upperSigmaSlider);
        if (m_lowerSigmaSlider)
            p.lowerSigma = -ChannelParameters::sigmaOfSlider(*m_lowerSigmaSlider);
        p.upperSmoothing = m_upperSmoothing.value_or(p.upperSmoothing);
        p.lowerSmoothing = m_lowerSmoothing.value_or(p.lowerSmoothing);
        p.upperMinimumOffset = m_upperOffset.value_or(p.upperMinimumOffset);
        if (m_lowerOffset)
            p.lowerMinimumOffset = -*m_lowerOffset;
        p.upperTimeAllowance = m_upperAllowance.value_or(p.upperTimeAllowance);
        p.lowerTimeAllowance = m_lowerAllowance.value_or(p.lowerTimeAllowance);
        if (m_rangeFrom || m_rangeTo)
            p.setRangeFromSeconds(m_rangeFrom.value_or(QString()), m_rangeTo.value_or(QString()),
                                  layout.period * 1000);
    }
    return parameters;
}
