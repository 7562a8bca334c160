#include "wave/display/ThreadVolumeWriter.h"

#if defined(__linux__)
#include <pthread.h>
#endif

TThreadVolumeWriter::TThreadVolumeWriter(std::unique_ptr<TVolumeWriterJob> job, std::function<void()> progress)
    : Job(std::move(job)), Progress(std::move(progress))
{
}

TThreadVolumeWriter::~TThreadVolumeWriter()
{
    Stop();
}

void TThreadVolumeWriter::Start()
{
    if (Thread.joinable() || Finished.load(std::memory_order_acquire))
        return;
    Thread = std::thread([this] { Execute(); });
}

void TThreadVolumeWriter::Stop()
{
    Terminated.store(true, std::memory_order_release);
    if (Thread.joinable() && Thread.get_id() != std::this_thread::get_id())
        Thread.join();
}

void TThreadVolumeWriter::Execute()
{
#if defined(__linux__)
    // Named for a debugger; the name is cut to the 15 characters the system keeps.
    pthread_setname_np(pthread_self(), "TreadVolumeWrit");
#endif
    try {
        if (Job)
            Job->Run(Terminated, Progress);
    } catch (...) {
        // The diagram stays as far as it was computed.
    }
    Finished.store(true, std::memory_order_release);
}
