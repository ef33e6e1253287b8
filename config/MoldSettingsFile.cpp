#include "MoldSettingsFile.h"

#include "MoldSettingsXml.h"
#include "SystemConfig.h"

#include <QDebug>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

MoldSettingsFile::ReadResult MoldSettingsFile::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {Status::OpenFailed, nullptr};
    if (file.size() > MaxFileSize) {
        qDebug().noquote() << "Mold settings file too large:" << path << file.size();
        return {Status::NotWellFormed, nullptr};
    }
    ReadResult result = fromXml(file.readAll());
    if (result.config)
        result.config->setName(QFileInfo(path).completeBaseName());
    return result;
}

MoldSettingsFile::Status MoldSettingsFile::write(const SystemConfig& config, const QString& path)
{
    QSaveFile file(path);
    // Unbuffered: a write error found only while commit() flushes a buffer is not
    // reported by commit() in this Qt version, which would rename a cut-off file over the
    // good one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Status::WriteFailed;
    const QByteArray text = toXml(config);
    if (file.write(text) != text.size()) {
        file.cancelWriting();
        return Status::WriteFailed;
    }
    return file.commit() ? Status::Ok : Status::WriteFailed;
}

QByteArray MoldSettingsFile::toXml(const SystemConfig& config)
{
    QDomDocument document(MoldSettingsXml::DocumentType);
    document.appendChild(config.toElement(document));
    return MoldSettingsXml::documentText(document);
}

MoldSettingsFile::ReadResult MoldSettingsFile::fromXml(const QByteArray& text)
{
    QDomDocument document;
    QString message;
    int line = 0;
    int column = 0;
    if (!document.setContent(text, &message, &line, &column)) {
        qDebug().noquote() << "Mold settings file is not XML:" << message << "at line" << line
                           << "column" << column;
        return {Status::NotWellFormed, nullptr};
    }
    auto config = std::make_unique<SystemConfig>(document.documentElement());
    if (config->hasError())
        return {Status::Corrupted, nullptr};
    return {Status::Ok, std::move(config)};
}
