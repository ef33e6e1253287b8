#pragma once

#include <QList>

// Zoom factors of the two sliders and the grid spacings chosen from a visible span.
namespace GLZoomLevels {

// Visible width = observation period / factor; slider 0..9.
const QList<int>& xFactors();
// Visible value span = full scale / factor; slider 0..11.
const QList<int>& yFactors();

// The slider level for a factor: the first level whose factor is at least f (the last
// level when none is). Direction -1 steps one level down (not below 0); +1 steps one
// level up, but only when f hits a table value exactly (an f between two levels
// already lands on the upper one) and the level is not the last.
int levelOf(const QList<int>& factors, double f, int direction);

// Spacing of horizontal grid lines for a visible value span: the first of 0.01, 0.02,
// 0.05 ... 5000 whose 1.2-fold covers a tenth of the span. Wider spans continue the
// 1-2-5 sequence so that there are never more than about a dozen lines.
float valueGridStep(float span);

// Spacing of vertical grid lines in ms: the first of 10, 20, 50 ... 10000 whose 1.2-fold
// covers a tenth of the visible width, else 20000.
int timeGridStep(double width);

} // namespace GLZoomLevels
