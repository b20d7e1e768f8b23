#pragma once

#include "gen/Listener.h"

#include <QMainWindow>

#include <cstdint>
#include <functional>

class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QResizeEvent;

namespace gen::qt {

enum GLAYOUT : std::uint32_t;
class GMainPanel;
class GPanelLog;

/// The frame of an application's main window: a central panel made on request,
/// dropped files logged by path, a close hook, a one-time listener after the
/// first resize, state hooks and the options dialog. GUI thread only.
class GMainWindow : public QMainWindow {
public:
    /// A window that accepts drops.
    explicit GMainWindow(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~GMainWindow() override;

    /// A second call replaces the central panel (Qt deletes the old one).
    GMainPanel* create_main_panel(GLAYOUT layout);

    /// Keeps what a subclass wants kept; every close calls it while baseSettings
    /// is set. The frame's own only logs.
    virtual void save_state();
    /// Not called by the frame itself. The frame's own only logs.
    virtual void restore_state();
    /// The panel that font-size changes of the options dialog go to; none here.
    virtual GPanelLog* get_panel_log();
    /// Opens a new modal options dialog and returns at once; the dialog
    /// deletes itself when closed. Without baseSettings the process ends.
    virtual void on_options();

    /// Called by every close; its result does not veto the close.
    std::function<bool()> onClose;
    /// Fired once with 0, through the event loop, after the first resize. Attach
    /// before the window is shown: a first resize with no entry attached is not repeated.
    Listener<int> listenerFirstResize;

protected:
    /// Schedules listenerFirstResize after the first resize.
    void resizeEvent(QResizeEvent* e) override;
    /// Calls onClose, accepts the close, then save_state() while baseSettings is set.
    void closeEvent(QCloseEvent* e) override;
    /// Accepts drags that carry URLs.
    void dragEnterEvent(QDragEnterEvent* e) override;
    /// Logs the local path of each dropped URL at DEBUG, escaped to one line; nothing is read.
    void dropEvent(QDropEvent* e) override;

    /// The panel create_main_panel() made last, owned by the window.
    GMainPanel* mainPanel = nullptr;

private:
    bool firstResizeDone = false;
};

/// Reads the file at `sPath` (UTF-8) and logs its size; `bytes` is only logged.
/// Unmangled so that code outside C++ can call it. Any thread may call it; it
/// blocks until the whole file is read. A null path, or one that is not a
/// regular file, is logged at DEBUG and nothing is read.
extern "C" void on_file_dropped(const char* sPath, int bytes);

} // namespace gen::qt
