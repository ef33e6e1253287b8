#pragma once

#include "ShotData.h"

#include <QObject>

class FileController;
class QThread;

// Writes raw waveform files on a thread of its own, so that file access never delays
// packet handling. The main window's queued signals arrive here in the order they were
// sent: a shot's creation before its appends, its appends before the next shot's
// creation in the same buffer.
class RawDataSaveWorker : public QObject
{
    Q_OBJECT

public:
    // Starts the thread and moves itself into it. The controller is not owned and must
    // outlive the worker.
    explicit RawDataSaveWorker(FileController* controller);
    // Asks the thread to finish what is queued and to exit, and waits for it.
    ~RawDataSaveWorker() override;

    FileController* fileController() const { return m_controller; }

public Q_SLOTS:
    void createNewRawDataFile(ShotData* shot);
    void saveRawDataIncremental(ShotData* shot, bool final);

Q_SIGNALS:
    // Emitted on the worker's thread after each operation, with its outcome.
    void rawDataFileCreated(ShotData* shot, bool ok);
    void rawDataSaved(ShotData* shot, bool final, bool ok);

private:
    FileController* m_controller;
    QThread* m_thread;
};
