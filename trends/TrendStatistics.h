#pragma once

#include "TrendItem.h"

#include <QList>

#include <limits>

// Mean, standard deviation and capability of a run of values against a band. σ is the
// sample standard deviation (divisor n - 1): the runs are samples of a process, often
// short ones, and limits set from them should not be too narrow. Figures that cannot be
// computed are NaN: σ below two values, Cp without both sides or with σ = 0, Cpk
// without a side or with σ = 0.
struct TrendStatistics
{
    static constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

    int count = 0;
    double mean = NaN;
    double sigma = NaN;
    double cp = NaN;  // (upper - lower) / 6σ
    double cpk = NaN; // min(upper - mean, mean - lower) / 3σ, over the sides there are

    static TrendStatistics compute(const QList<double>& values, const TrendBand& band);
};
