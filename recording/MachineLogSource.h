#pragma once

#include <QString>
#include <QStringList>

// What the molding machine log needs from the molding machine link: the names of the
// items it asks for (the log's column header) and the line it builds from the replies
// of the latest exchange.
class MachineLogSource
{
public:
    virtual ~MachineLogSource() = default;

    // The display name of each record of the molding machine table, in table order.
    virtual QStringList recordNames() const = 0;
    // The current time, ", " and the prefix, then ", " and each record's reply, then a
    // line feed.
    virtual QString buildLogLine(const QString& prefix) const = 0;
};
