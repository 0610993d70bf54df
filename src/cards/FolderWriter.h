#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace zek {

// Writes the files of one card folder on a thread of its own, one job after
// another, so that a folder on a server that has gone (writes that fail, or
// that block) never holds the window: the caller waits for a job at most its
// patience, two seconds. A job still running then is left to end in its own
// time; until it has, run() starts no other job, so the writes reach the
// folder one at a time and in the order they were asked for. A job must not
// refer to anything the caller may destroy: it holds copies.
class FolderWriter {
public:
    FolderWriter();
    // Waits at most the patience for a job still running, then leaves it.
    ~FolderWriter();
    FolderWriter(const FolderWriter &) = delete;
    FolderWriter &operator=(const FolderWriter &) = delete;

    enum class Outcome {
        Done, // the job returned true
        Failed, // it returned false
        Busy, // an earlier job still runs: this one did not start
        Abandoned, // it runs on after the patience; what it does is not known
    };
    Outcome run(std::function<bool()> job);
    // An earlier job still runs.
    bool busy() const;
    // Waits until no job runs, at most for timeout; true when none does.
    bool waitUntilIdle(std::chrono::milliseconds timeout) const;

    void setPatience(std::chrono::milliseconds patience) { m_patience = patience; }
    // Runs on the writer's thread before every job: false fails the job as
    // a folder that has gone would, and it may block as one does. For tests.
    void setGate(std::function<bool()> gate);

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
    std::chrono::milliseconds m_patience{2000};
};

} // namespace zek
