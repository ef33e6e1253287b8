#pragma once

#include <QByteArray>

// Writes a single-precision value exactly as QTextStream does by default (the shorter of
// fixed and scientific notation, 6 significant digits, ties rounded away from zero, "0"
// for negative zero), several times faster: the monitoring waveform and average files
// hold millions of values.
namespace RealFormat {

// Room for the longest form ("-1.23457e-38").
constexpr int MaxLength = 16;

// Writes the value at `out` and returns the end of what was written.
char* write(char* out, float value);
void append(QByteArray& text, float value);
void append(QByteArray& text, int value);

} // namespace RealFormat
