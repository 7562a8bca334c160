#pragma once
#include "wave/display/VolumeWriterJob.h"

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

// The worker thread of one volume-diagram computation. It never waits for
// the user-interface thread: progress is a call that must only post a
// message (the view queues it), and stopping is a request followed by a join,
// which returns as soon as the current chunk is done.
class TThreadVolumeWriter {
public:
    TThreadVolumeWriter(std::unique_ptr<TVolumeWriterJob> job, std::function<void()> progress);
    // Stops and joins the thread.
    ~TThreadVolumeWriter();
    TThreadVolumeWriter(const TThreadVolumeWriter&) = delete;
    TThreadVolumeWriter& operator=(const TThreadVolumeWriter&) = delete;

    void Start();
    // Asks the thread to end and waits until it has.
    void Stop();
    bool IsFinished() const { return Finished.load(std::memory_order_acquire); }

private:
    void Execute();

    std::unique_ptr<TVolumeWriterJob> Job;
    std::function<void()> Progress;
    std::atomic<bool> Terminated{false};
    std::atomic<bool> Finished{false};
    std::thread Thread;
};
