#pragma once

#include <QString>

// Where and as whom the manager publishes, read once at start from the settings store.
struct PublishSettings
{
    bool enabled = false;
    QString host;
    int port = 1883;
    bool tls = false;
    QString caFile;
    // Off only by the operator's explicit choice: the broker's certificate is checked.
    bool verifyCertificate = true;
    QString user;
    QString password;
    QString prefix = QStringLiteral("cvo");
    QString station;

    static PublishSettings fromAppSettings();

    QString shotTopic() const { return topic(QStringLiteral("shot")); }
    QString statusTopic() const { return topic(QStringLiteral("status")); }

private:
    QString topic(const QString& leaf) const;
};
