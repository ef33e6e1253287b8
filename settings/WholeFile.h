#pragma once

#include <QByteArray>
#include <QString>

class QImage;

// Files written in one piece (exports, monitoring waveforms): written beside the target and
// renamed over it, so a full disk or a lost folder fails the write and keeps an earlier
// file whole. Unbuffered, so a write cut short shows before the rename, not during it.
namespace WholeFile {

bool write(const QString& path, const QByteArray& bytes);

// Encoded in memory first: the PNG encoder leaks its picture when its device fails a write.
bool writePng(const QString& path, const QImage& image);

} // namespace WholeFile
