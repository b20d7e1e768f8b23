#include "gen/qt/GPanelLog.h"

#include "gen/GLog.h"
#include "gen/qt/GGui.h"
#include "gen/qt/GLogView.h"

#include <QElapsedTimer>
#include <QFont>
#include <QLayout>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSizePolicy>

#include <algorithm>
#include <deque>
#include <mutex>
#include <utility>

namespace gen::qt {

namespace {

constexpr int kDefaultFontSize = 9;
// The GUI thread appends queued lines in slices of this many lines and for at
// most this long before it lets timers and input run again; a flood from many
// threads then never freezes the window.
constexpr std::size_t kSliceLines = 256;
constexpr qint64 kSliceBudgetMs = 8;

void give_log_size_policy(QWidget* w) {
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::MinimumExpanding);
    policy.setHorizontalStretch(1);
    policy.setVerticalStretch(1);
    w->setSizePolicy(policy);
}

} // namespace

// Lines on their way from the logging threads to the view. The appender fills
// it under the logger's mutex and posts one call to the view only when it was
// empty; the view drains it on the GUI thread. Lines keep their order.
struct LogInbox {
    std::mutex mutex;
    std::deque<LogEntry> pending;
    bool drainPosted = false;
};

namespace {

void post_drain(const std::shared_ptr<LogInbox>& inbox, GLogView* view);

// Runs on the GUI thread. Appends what waits, a slice at a time, and posts
// itself again when the time budget runs out with lines still waiting.
void drain(const std::shared_ptr<LogInbox>& inbox, GLogView* view) {
    QElapsedTimer clock;
    clock.start();
    QList<LogEntry> slice;
    for (;;) {
        slice.clear();
        {
            std::lock_guard lock(inbox->mutex);
            const std::size_t n = std::min(kSliceLines, inbox->pending.size());
            for (std::size_t i = 0; i < n; ++i) {
                slice.append(std::move(inbox->pending.front()));
                inbox->pending.pop_front();
            }
            if (slice.isEmpty()) {
                inbox->drainPosted = false;
                return;
            }
        }
        view->append_lines(slice);
        if (clock.elapsed() >= kSliceBudgetMs) break;
    }
    // Still marked as posted, so the appender does not post a second drain.
    post_drain(inbox, view);
}

void post_drain(const std::shared_ptr<LogInbox>& inbox, GLogView* view) {
    // The view is the context: if it is gone before the call runs, Qt drops the call.
    QMetaObject::invokeMethod(
        view, [inbox, view] { drain(inbox, view); }, Qt::QueuedConnection);
}

} // namespace

QFont log_font(int points) {
    QFont font(QStringLiteral("Monospace"));
    font.setStyleHint(QFont::TypeWriter, QFont::PreferDefault);
    font.setPointSize(points);
    return font;
}

GPanelLog::GPanelLog() : GPanel(VERT), inbox(std::make_shared<LogInbox>()) {
    set_margins(0);
    give_log_size_policy(this);
    view = new GLogView(nullptr);
    add_widget(view);
    give_log_size_policy(view);
    view->setFont(log_font(kDefaultFontSize));
    // Whoever destroys the view first, the appender never outlives it.
    QObject::connect(view, &QObject::destroyed,
                     [owner = static_cast<const void*>(this)] { log::remove_gui_appender_ext(owner); });

    // Called on any logging thread with the logger's mutex held: no widget
    // work and no logging here, only the hand-over.
    log::set_gui_appender_ext(
        [inbox = inbox, view = view](QString line, log::LOG_LEVEL level) {
            bool post = false;
            {
                std::lock_guard lock(inbox->mutex);
                inbox->pending.push_back(LogEntry{std::move(line), static_cast<int>(level)});
                post = !std::exchange(inbox->drainPosted, true);
            }
            if (post) post_drain(inbox, view);
        },
        this);
}

GPanelLog::~GPanelLog() {
    // Waits for a line being handed over right now; afterwards no thread can
    // reach the view, which Qt destroys after this body together with the
    // calls still queued for it.
    log::remove_gui_appender_ext(this);
}

void GPanelLog::set_font_size(int points) {
    if (points < 1 || points == fontSize) return;
    fontSize = points;
    view->setFont(log_font(points));
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

    // One queued call per line is enough for this simple component; it is not
    // built for floods.
    log::set_gui_appender(
        [edit](QString line) {
            QMetaObject::invokeMethod(
                edit, [edit, line = std::move(line)] { edit->appendPlainText(line); }, Qt::QueuedConnection);
        },
        edit);
    // Emitted at the start of the edit's destruction, before its queued calls are dropped.
    QObject::connect(edit, &QObject::destroyed, [edit] { log::remove_gui_appender(edit); });
    return edit;
}

} // namespace gen::qt
