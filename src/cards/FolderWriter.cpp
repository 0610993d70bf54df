#include "FolderWriter.h"

#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

namespace zek {

// What the caller and the thread share; the thread holds it too, so that a
// job left running outlives the writer.
struct FolderWriter::Shared {
    std::mutex mutex;
    std::condition_variable wake; // a job or the end for the thread
    mutable std::condition_variable finished; // a job ended
    std::function<bool()> job;
    std::function<bool()> gate;
    bool pending = false; // job waits for the thread
    bool running = false;
    bool result = false;
    unsigned long long done = 0; // jobs ended
    bool stop = false;
    std::thread thread;

    void loop()
    {
        std::unique_lock lock(mutex);
        for (;;) {
            wake.wait(lock, [this] { return stop || pending; });
            if (!pending)
                return;
            std::function<bool()> current = std::move(job);
            const std::function<bool()> open = gate;
            pending = false;
            running = true;
            lock.unlock();
            const bool ok = (!open || open()) && current();
            current = nullptr; // its copies go on this thread, before the caller hears of it
            lock.lock();
            running = false;
            result = ok;
            ++done;
            finished.notify_all();
        }
    }
};

FolderWriter::FolderWriter() : m_shared(std::make_shared<Shared>()) {}

FolderWriter::~FolderWriter()
{
    Shared &s = *m_shared;
    std::unique_lock lock(s.mutex);
    const bool idle = s.finished.wait_for(lock, m_patience, [&s] { return !s.running && !s.pending; });
    s.stop = true;
    s.wake.notify_all();
    lock.unlock();
    if (!s.thread.joinable())
        return;
    if (idle) {
        s.thread.join();
    } else {
        // still held by the folder: it ends with the process
        s.thread.detach();
    }
}

FolderWriter::Outcome FolderWriter::run(std::function<bool()> job)
{
    Shared &s = *m_shared;
    std::unique_lock lock(s.mutex);
    if (s.running || s.pending)
        return Outcome::Busy;
    if (!s.thread.joinable()) {
        try {
            s.thread = std::thread([shared = m_shared] { shared->loop(); });
        } catch (const std::system_error &) {
            // no thread to be had: the job runs here
            lock.unlock();
            return job() ? Outcome::Done : Outcome::Failed;
        }
    }
    s.job = std::move(job);
    s.pending = true;
    const unsigned long long ticket = s.done + 1;
    s.wake.notify_one();
    if (!s.finished.wait_for(lock, m_patience, [&] { return s.done >= ticket; }))
        return Outcome::Abandoned;
    return s.result ? Outcome::Done : Outcome::Failed;
}

bool FolderWriter::busy() const
{
    const std::lock_guard lock(m_shared->mutex);
    return m_shared->running || m_shared->pending;
}

bool FolderWriter::waitUntilIdle(std::chrono::milliseconds timeout) const
{
    Shared &s = *m_shared;
    std::unique_lock lock(s.mutex);
    return s.finished.wait_for(lock, timeout, [&s] { return !s.running && !s.pending; });
}

void FolderWriter::setGate(std::function<bool()> gate)
{
    const std::lock_guard lock(m_shared->mutex);
    m_shared->gate = std::move(gate);
}

} // namespace zek
