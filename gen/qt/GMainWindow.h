#pragma once

// The frame of an application's main window: a central panel made on request,
// dropped files logged by path, a close hook, a one-time listener after the
// first resize, state hooks and the options dialog. GUI thread only.

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

class GMainWindow : public QMainWindow {
public:
    explicit GMainWindow(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~GMainWindow() override;

    // A second call replaces the central panel (Qt deletes the old one).
    GMainPanel* create_main_panel(GLAYOUT layout);

    virtual void save_state();
    // Not called by the frame itself.
    virtual void restore_state();
    // The panel that font-size changes of the options dialog go to; none here.
    virtual GPanelLog* get_panel_log();
    // Opens a new modal options dialog and returns at once.
    virtual void on_options();

    // Called by every close; its result does not veto the close.
    std::function<bool()> onClose;
    // Fired once with 0, through the event loop, after the first resize.
    Listener<int> listenerFirstResize;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

    GMainPanel* mainPanel = nullptr;

private:
    bool firstResizeDone = false;
};

// Reads the file at `sPath` (UTF-8) and logs its size; `bytes` is only logged.
// Unmangled so that code outside C++ can call it. Any thread may call it; it
// blocks until the whole file is read.
extern "C" void on_file_dropped(const char* sPath, int bytes);

} // namespace gen::qt
