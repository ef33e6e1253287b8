#pragma once

#include "FileController.h"
#include "ShotData.h"

#include <QObject>

#include <deque>
#include <functional>
#include <mutex>

class MachineLogSource;
class QThread;

// Writes raw waveform files and the daily logs on a thread of its own, so that file
// access never delays packet handling. The requests are queued to that thread in the
// order they are made: a shot's creation before its appends, its appends before its log
// lines and the next shot's creation in the same buffer.
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
    void requestLogHeader(int channelCount, FileController::LogEvent event);
    void requestShotLog(const ShotData* shot);
    // The machine link's record names and latest replies are read on the calling thread.
    void requestMachineLogHeader(const MachineLogSource* link);
    void requestMachineLog(const MachineLogSource* link, const ShotData* shot);
    // Runs `callback` on the worker's thread once everything requested before is done.
    void requestCallback(std::function<void()> callback);

Q_SIGNALS:
    // Emitted on the worker's thread after each operation, with its outcome.
    void rawDataFileCreated(ShotData* shot, bool ok);
    void rawDataSaved(ShotData* shot, bool final, bool ok);
    // Emitted on the worker's thread when writing starts failing, fails for another
    // reason, or succeeds again (reason empty): for the operator's status display.
    void recordingStatusChanged(bool ok, const QString& reason);

private:
    // Each request is a task in m_tasks plus one queued call of runNext(), which runs the
    // oldest task: requests run in order, and the hand-over is a lock thread checkers see.
    void post(std::function<void()> task);
    Q_INVOKABLE void runNext();
    void createNewRawDataFile(ShotData* shot, quint64 sequence);
    void saveRawDataIncremental(ShotData* shot);
    void finishRawDataFile(ShotData* shot, quint64 sequence, bool ng);
    // Runs a log write on the worker's thread and tells its outcome.
    template <typename Write> void queueLog(Write write);
    bool report(bool ok);

    FileController* m_controller;
    QThread* m_thread;
    std::mutex m_tasksMutex;
    std::deque<std::function<void()>> m_tasks;
    // The latest status reported, touched on the worker's thread only.
    bool m_ok = true;
    QString m_reason;
};
