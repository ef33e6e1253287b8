#pragma once

#include "ShotData.h"

#include <QObject>

class FileController;
class QThread;

// Writes raw waveform files on a thread of its own, so that file access never delays
// packet handling. The requests are queued to that thread in the order they are made:
// a shot's creation before its appends, its appends before the next shot's creation in
// the same buffer.
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

    // Called on the thread that fills the buffers, right when the shot begins, gets new
    // samples or ends: what identifies the shot and its verdict is taken there and then,
    // since the worker may get to the request after the buffer has begun a later shot.
    void requestNewRawDataFile(ShotData* shot);
    void requestRawDataSave(ShotData* shot, bool final);

Q_SIGNALS:
    // Emitted on the worker's thread after each operation, with its outcome.
    void rawDataFileCreated(ShotData* shot, bool ok);
    void rawDataSaved(ShotData* shot, bool final, bool ok);
    // Emitted on the worker's thread when writing starts failing, fails for another
    // reason, or succeeds again (reason empty): for the operator's status display.
    void recordingStatusChanged(bool ok, const QString& reason);

private:
    void createNewRawDataFile(ShotData* shot, quint64 sequence);
    void saveRawDataIncremental(ShotData* shot);
    void finishRawDataFile(ShotData* shot, quint64 sequence, bool ng);
    bool report(bool ok);

    FileController* m_controller;
    QThread* m_thread;
    // The latest status reported, touched on the worker's thread only.
    bool m_ok = true;
    QString m_reason;
};
