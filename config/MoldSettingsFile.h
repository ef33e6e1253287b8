#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class SystemConfig;

// Reading and writing mold settings files, without any user interface: the caller turns
// the status into its messages.
class MoldSettingsFile
{
public:
    enum class Status
    {
        Ok,
        OpenFailed,    // the file could not be opened for reading
        NotWellFormed, // not an XML document (or far too large to be one of ours)
        Corrupted,     // XML, but a required part of the configuration is missing
        WriteFailed,   // the file could not be written; any earlier file is intact
    };

    struct ReadResult
    {
        Status status = Status::OpenFailed;
        std::unique_ptr<SystemConfig> config; // set only with Status::Ok
    };

    // Settings files are a few tens of kilobytes; anything this large is not one, and
    // refusing it early keeps a wrongly chosen file from exhausting memory.
    static constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

    // The configuration gets the file's base name (the name without its last suffix).
    static ReadResult read(const QString& path);
    // Written to a temporary file beside the target and renamed over it only once
    // complete, so a failed write never leaves a half-written settings file.
    static Status write(const SystemConfig& config, const QString& path);

    // The file text of a configuration, and a configuration from such a text (without a
    // name).
    static QByteArray toXml(const SystemConfig& config);
    static ReadResult fromXml(const QByteArray& text);
};
