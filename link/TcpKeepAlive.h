#pragma once

#include <QString>
#include <QtGlobal>

// Switches TCP keep-alive on for a connected socket so that a unit that vanishes
// without closing the connection (cable pulled, power lost) is noticed quickly.
// The connection is dropped once sent data stays unacknowledged for `giveUpMs`, which
// keep-alive alone cannot do while data is waiting.
// Returns false, with the reason in `report`, when the platform refused; on success
// `report` says which values were applied (some platforms round them).
bool enableTcpKeepAlive(qintptr socketDescriptor, int idleMs, int intervalMs, int giveUpMs,
                        QString* report);
