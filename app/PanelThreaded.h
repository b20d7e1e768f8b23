#pragma once

// The "Threads" tab: two worker threads that hand their progress back to the
// GUI thread, and buttons that write one log line at each level.

#include "gen/qt/GPanel.h"

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

class QObject;
class QProgressBar;

namespace gen::qt {
class GButton;
}

// True while the progress worker runs or may go on; only atomic loads and
// exchanges touch it.
extern std::atomic<bool> atomicRunThread2;

// A worker's way back to the GUI thread. The panel closes it before its
// widgets go, so a worker that outlives them posts to nothing. Thread-safe.
class WorkerLink {
public:
    // Queues `fn` to run on `context`'s thread, unless the link is closed.
    bool post(QObject* context, std::function<void()> fn);
    // Once this returns, nothing more is queued; queued calls die with their context.
    void close();

private:
    std::mutex mutex;
    bool open = true;
};

// Worker bodies; the step is a parameter so a test need not wait ten seconds.
inline constexpr unsigned int kCountStepMs = 1000;
inline constexpr unsigned int kProgressStepMs = 100;
void someBackground(gen::qt::GButton* button, std::shared_ptr<WorkerLink> link,
                    unsigned int stepMs = kCountStepMs);
void someProgressBackground(QProgressBar* bar, std::shared_ptr<WorkerLink> link,
                            unsigned int stepMs = kProgressStepMs);

class PanelThreaded : public gen::qt::GPanel {
public:
    PanelThreaded();
    ~PanelThreaded() override;

private:
    std::shared_ptr<WorkerLink> link = std::make_shared<WorkerLink>();
};
