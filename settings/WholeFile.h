#pragma once

#include <QByteArray>
#include <QString>

class QImage;

// Files the operator exports (pictures, documents): written beside the target and renamed
// over it, so a full disk or a lost folder fails the export and keeps an earlier file whole.
namespace WholeFile {

bool write(const QString& path, const QByteArray& bytes);

// Encoded in memory first: the PNG encoder leaks its picture when its device fails a write.
bool writePng(const QString& path, const QImage& image);

} // namespace WholeFile
