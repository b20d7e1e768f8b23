#include "PanelThreaded.h"

#include "gen/GLog.h"
#include "gen/GOs.h"
#include "gen/GTime.h"
#include "gen/qt/GButton.h"
#include "gen/qt/GGui.h"

#include <QLabel>
#include <QMetaObject>
#include <QProgressBar>

#include <thread>
#include <utility>

using gen::qt::GButton;
using gen::qt::GPanel;

std::atomic<bool> atomicRunThread2{false};

namespace {
constexpr int kCountSeconds = 3;
constexpr int kProgressSteps = 100;
} // namespace

bool WorkerLink::post(QObject* context, std::function<void()> fn) {
    // Posting under the lock: close() cannot return, and the panel cannot
    // start destroying `context`, while a call is being queued on it.
    const std::lock_guard lock(mutex);
    if (!open) return false;
    return QMetaObject::invokeMethod(context, std::move(fn), Qt::QueuedConnection);
}

void WorkerLink::close() {
    const std::lock_guard lock(mutex);
    open = false;
}

void someBackground(GButton* button, std::shared_ptr<WorkerLink> link, unsigned int stepMs) {
    const int id = gen::get_fast_thread_id();
    gen::pp_info(gen::str::xprintF(0, "START THREAD $", id));
    gen::pp("simple counting");
    gen::pp("run for 3 sec");
    for (int n = 1; n <= kCountSeconds; ++n) {
        gen::time::sleep(stepMs);
        gen::pp("running $ sec", n);
    }
    gen::pp_info(gen::str::xprintF(0, "DONE THREAD $", id));
    link->post(button, [button] { button->setEnabled(true); });
}

void someProgressBackground(QProgressBar* bar, std::shared_ptr<WorkerLink> link, unsigned int stepMs) {
    const int id = gen::get_fast_thread_id();
    gen::pp_info(gen::str::xprintF(0, "START THREAD $", id));
    gen::pp("background....counting to 10");
    for (int i = 1; i <= kProgressSteps; ++i) {
        if (!atomicRunThread2.load()) break;
        gen::time::sleep(stepMs);
        gen::pp("counter:$", i);
        link->post(bar, [bar, i] { bar->setValue(i); });
    }
    if (atomicRunThread2.load())
        gen::pp_info(gen::str::xprintF(0, "DONE THREAD $", id));
    else
        gen::pp_info(gen::str::xprintF(0, "STOPPED THREAD $", id));
    atomicRunThread2.exchange(false);
}

PanelThreaded::PanelThreaded() : GPanel(gen::qt::VERT) {
    GPanel* title = create_pan_vert();
    title->create<QLabel>(QString::fromStdString(
        gen::str::xprintF(0, "Multithread Example - $ Bit Program", gen::os::get_os_bit_system())));

    GPanel* threadRow = create_pan_horz();
    auto* th1 = threadRow->create<GButton>("Th 1", "Thread 1 will count 3 seconds in the background");
    th1->listenerClicked = [th1, link = link] {
        gen::pp("start th");
        th1->setEnabled(false);
        std::thread(someBackground, th1, link, kCountStepMs).detach();
    };
    auto* th2 = threadRow->create<GButton>(
        "Th 2", "Thread 2 will count 10 seconds in the background and trigger gui (main thread)");
    auto* bar = new QProgressBar();
    threadRow->add_widget(bar);
    bar->setSizePolicy(gen::qt::size_policy(QSizePolicy::Expanding, QSizePolicy::Fixed, 1, 0));
    th2->listenerClicked = [bar, link = link] {
        if (atomicRunThread2.load()) {
            atomicRunThread2.exchange(false);
            return;
        }
        atomicRunThread2.exchange(true);
        std::thread(someProgressBackground, bar, link, kProgressStepMs).detach();
    };
    bar->setRange(0, kProgressSteps);
    bar->setValue(0);

    create_pan_horz()->set_margins(QMargins(10, 20, 0, 0))->create_label("Create Log Messages", -1);

    GPanel* logRow = create_pan_horz();
    logRow->create<GButton>("Debug")->listenerClicked = [] { gen::pp("Hallo debug modus"); };
    logRow->create<GButton>("Info")->listenerClicked = [] {
        gen::pp_info("Hallo info modus - Eine lange Zeile - Wenn der Hahn kräht auf dem Mist, ändert sich's "
                     "Wetter oder es bleibt wie es ist !");
    };
    logRow->create<GButton>("Warn")->listenerClicked = [] { gen::pp_warn("Hallo warn modus"); };
    logRow->create<GButton>("Err")->listenerClicked = [] { gen::pp_error("Verdammter Fehler"); };
    logRow->create_spacer_horz();

    create_spacer_vert();
}

PanelThreaded::~PanelThreaded() {
    link->close();
    // A progress count nobody can see any more ends at its next step instead of running on.
    atomicRunThread2.exchange(false);
}
