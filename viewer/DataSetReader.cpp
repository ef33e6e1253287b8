#include "DataSetReader.h"

#include <QThread>

#include <algorithm>
#include <thread>
#include <vector>

namespace {

bool aborted(const std::atomic<bool>* abort)
{
    return abort && abort->load();
}

} // namespace

DataSetReader::Result DataSetReader::read(const QStringList& paths, int threads,
                                          const std::atomic<bool>* abort, const Progress& progress)
{
    Result result;
    const int count = int(paths.size());
    if (count == 0)
        return result;
    std::vector<DataFileReader::Result> files(static_cast<size_t>(count));
    std::vector<char> done(size_t(count), 0);
    std::atomic<int> finished = 0;

    // The first file alone: it fixes the settings the others are checked against.
    if (aborted(abort)) {
        result.aborted = true;
        return result;
    }
    files[0] = DataFileReader::read(paths.at(0), nullptr);
    done[0] = 1;
    if (progress)
        progress(++finished);
    const DataFileLayout first = files[0].layout;

    if (files[0].status == DataFileReader::Good && count > 1) {
        std::atomic<int> next = 1;
        auto work = [&] {
            for (int i = next++; i < count; i = next++) {
                if (aborted(abort))
                    return;
                files[size_t(i)] = DataFileReader::read(paths.at(i), &first);
                done[size_t(i)] = 1;
                if (progress)
                    progress(++finished);
            }
        };
        const int workers =
            std::clamp(threads > 0 ? threads : QThread::idealThreadCount(), 1, count - 1);
        std::vector<std::thread> pool;
        for (int w = 1; w < workers; ++w)
            pool.emplace_back(work);
        work();
        for (std::thread& t : pool)
            t.join();
    }

    // Take the files in order up to the first one that failed or was never read.
    result.layout = first;
    const qsizetype length = files[0].rowCount();
    for (int i = 0; i < count; ++i) {
        if (!done[size_t(i)]) {
            result.aborted = true;
            break;
        }
        DataFileReader::Result& file = files[size_t(i)];
        if (file.status != DataFileReader::Good) {
            result.status = file.status;
            result.failedFile = i;
            break;
        }
        if (file.rowCount() != length) {
            result.differingLength.append(i);
            for (QList<float>& channel : file.channels) {
                if (channel.size() > length)
                    channel.resize(length);
            }
        }
        result.files.append(std::move(file.channels));
    }
    return result;
}

QList<QList<float>> DataSetReader::channelOfFiles(const QList<QList<QList<float>>>& files,
                                                  int channel)
{
    QList<QList<float>> waveforms;
    waveforms.reserve(files.size());
    for (const QList<QList<float>>& file : files)
        waveforms.append(channel >= 0 && channel < file.size() ? file.at(channel) : QList<float>());
    return waveforms;
}
