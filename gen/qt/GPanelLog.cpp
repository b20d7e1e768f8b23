#include "gen/qt/GPanelLog.h"

#include "gen/GLog.h"
#include "gen/qt/GGui.h"
#include "gen/qt/GLogView.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFont>
#include <QPlainTextEdit>
#include <QSizePolicy>
#include <QTimer>

#include <algorithm>
#include <deque>
#include <functional>
#include <mutex>
#include <utility>

namespace gen::qt {

namespace {

constexpr int kDefaultFontSize = 9;
// The GUI thread appends queued lines in slices of this many lines and for at
// most this long before it lets timers and input run again; a flood from many
// threads then never freezes the window. After a full budget it pauses as long:
// a GUI thread that sleeps half the time gets a core back as soon as its timers
// are due, while one that never sleeps queues behind the logging threads.
constexpr std::size_t kSliceLines = 256;
constexpr int kSliceBudgetMs = 8;
constexpr int kFloodPauseMs = kSliceBudgetMs;

QEvent::Type drain_event() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void give_log_size_policy(QWidget* w) {
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::MinimumExpanding);
    policy.setHorizontalStretch(1);
    policy.setVerticalStretch(1);
    w->setSizePolicy(policy);
}

} // namespace

// Lines on their way from the logging threads to a view. Any thread may
// push(); the GUI thread hands the lines, in their order, to the sink. Only
// the first line pushed into an empty inbox posts an event, so a flood costs
// one event per slice instead of one per line.
class LogInbox : public QObject {
public:
    using Sink = std::function<void(const QList<LogEntry>&)>;
    using Idle = std::function<void()>;

    // Lives as long as `view`, on its thread. `idle` runs once the inbox is
    // empty again after lines were handed over.
    LogInbox(QWidget* view, Sink sink, Idle idle = {})
        : QObject(view), sink(std::move(sink)), idle(std::move(idle)) {}

    // At most `lines` wait, the newest; 0 lets every line wait. A view that
    // keeps that many would cut the others as soon as they were shown, and a
    // flood then costs neither their memory nor their layout. GUI thread.
    void set_keep(int lines) {
        std::lock_guard lock(mutex);
        keep = std::size_t(lines);
        while (keep > 0 && pending.size() > keep)
            pending.pop_front();
    }

    void push(QString line, int level) {
        QEvent* wake = nullptr;
        {
            std::lock_guard lock(mutex);
            pending.push_back(LogEntry{std::move(line), level});
            if (keep > 0 && pending.size() > keep) pending.pop_front();
            // Made under the mutex that drain() takes first, so the event is
            // handed over with the lines. A plain event rather than a queued
            // functor: nothing else is shared with the GUI thread.
            if (!std::exchange(drainPosted, true)) wake = new QEvent(drain_event());
        }
        if (wake) QCoreApplication::postEvent(this, wake);
    }

protected:
    // Only drain events are ever posted here.
    void customEvent(QEvent*) override { drain(); }

private:
    void drain() {
        QElapsedTimer clock;
        clock.start();
        QList<LogEntry> slice;
        do {
            slice.clear();
            {
                std::lock_guard lock(mutex);
                const std::size_t n = std::min(kSliceLines, pending.size());
                for (std::size_t i = 0; i < n; ++i) {
                    slice.append(std::move(pending.front()));
                    pending.pop_front();
                }
                if (slice.isEmpty()) drainPosted = false;
            }
            if (slice.isEmpty()) {
                if (idle) idle();
                return;
            }
            sink(slice);
        } while (clock.elapsed() < kSliceBudgetMs);
        // Still marked as posted, so push() does not post a second drain.
        QTimer::singleShot(kFloodPauseMs, this, [this] { drain(); });
    }

    std::mutex mutex;
    std::deque<LogEntry> pending;
    std::size_t keep = 0;
    bool drainPosted = false;
    const Sink sink;
    const Idle idle;
};

QFont log_font(int points) {
    QFont font(QStringLiteral("Monospace"));
    font.setStyleHint(QFont::TypeWriter, QFont::PreferDefault);
    font.setPointSize(points);
    return font;
}

GPanelLog::GPanelLog() : GPanel(VERT) {
    set_margins(0);
    give_log_size_policy(this);
    view = new GLogView(nullptr);
    add_widget(view);
    give_log_size_policy(view);
    view->setFont(log_font(kDefaultFontSize));

    GLogView* target = view;
    inbox = new LogInbox(
        view, [target](const QList<LogEntry>& lines) { target->append_lines(lines); },
        [target] { target->release_dropped(); });
    set_max_lines(kDefaultMaxLines);
    // Whoever destroys the view first, the appender never outlives it.
    QObject::connect(view, &QObject::destroyed,
                     [owner = static_cast<const void*>(this)] { log::remove_gui_appender_ext(owner); });
    // Runs on any logging thread with the logger's mutex held: no widget work
    // and no logging here, only the hand-over.
    log::set_gui_appender_ext(
        [queue = inbox](QString line, log::LOG_LEVEL level) { queue->push(std::move(line), level); }, this);
}

GPanelLog::~GPanelLog() {
    // Waits for a line being handed over right now; afterwards no thread can
    // reach the view, which Qt destroys after this body together with the
    // events still queued for it.
    log::remove_gui_appender_ext(this);
}

void GPanelLog::set_font_size(int points) {
    if (points < 1 || points == fontSize) return;
    fontSize = points;
    view->setFont(log_font(points));
}

void GPanelLog::set_max_lines(int lines) {
    if (lines < 0 || lines == view->maximumBlockCount()) return;
    view->setMaximumBlockCount(lines);
    inbox->set_keep(lines);
}

int GPanelLog::get_max_lines() const {
    return view->maximumBlockCount();
}

void GPanelLog::clear() {
    view->setPlainText(QString());
}

void GPanelLog::copy_to_clipboard() {
    gen::qt::copy_to_clipboard(view->document()->toPlainText());
}

QPlainTextEdit* create_log_component(GPanel* parent) {
    if (!parent) nullPointerHandling("gen/qt/GPanelLog", __LINE__, QStringLiteral("parent == NULL"));
    GPanel* panel = parent->create_pan_horz();
    auto* edit = new QPlainTextEdit();
    edit->setReadOnly(true);
    edit->setUndoRedoEnabled(false);
    panel->add_widget(edit);
    give_log_size_policy(edit);
    edit->setFont(log_font(kDefaultFontSize));

    auto* inbox = new LogInbox(edit, [edit](const QList<LogEntry>& lines) {
        for (const LogEntry& entry : lines)
            edit->appendPlainText(entry.line);
    });
    log::set_gui_appender([inbox](QString line) { inbox->push(std::move(line), log::DEBUG); }, edit);
    // Emitted at the start of the edit's destruction, before the inbox goes.
    QObject::connect(edit, &QObject::destroyed, [edit] { log::remove_gui_appender(edit); });
    return edit;
}

} // namespace gen::qt
