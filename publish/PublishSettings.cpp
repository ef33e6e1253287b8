#include "PublishSettings.h"

#include "AppSettings.h"

PublishSettings PublishSettings::fromAppSettings()
{
    const AppSettings store;
    PublishSettings s;
    s.enabled = store.publishEnabled();
    s.host = store.publishHost();
    s.port = store.publishPort();
    s.tls = store.publishTls();
    s.caFile = store.publishCaFile();
    s.verifyCertificate = store.publishTlsVerify();
    s.user = store.publishUser();
    s.password = store.publishPassword();
    s.prefix = store.publishPrefix();
    s.station = store.publishStation();
    return s;
}

// A station name with a topic level separator or wildcard would publish elsewhere or be
// refused by the broker: those characters become '_'.
QString PublishSettings::topic(const QString& leaf) const
{
    QString name = station;
    for (QChar& c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('+') || c == QLatin1Char('#'))
            c = QLatin1Char('_');
    }
    return prefix + QLatin1Char('/') + name + QLatin1Char('/') + leaf;
}
