#include "Window.h"

#include "MySettings.h"
#include "PanelAbout.h"
#include "PanelGravity.h"
#include "PanelThreaded.h"
#include "PanelTrig.h"

#include "gen/GLog.h"
#include "gen/qt/components/GTab.h"
#include "gen/qt/dialogs/DiaExperiment.h"
#include "gen/qt/GButton.h"
#include "gen/qt/GCheckBox.h"
#include "gen/qt/GGui.h"
#include "gen/qt/GMainPanel.h"
#include "gen/qt/GPanelLog.h"
#include "gen/qt/GSplitter.h"
#include "gen/tools/GSettings.h"

#include <QScreen>

#include <algorithm>

using gen::qt::GButton;
using gen::qt::GPanel;

namespace {
constexpr int kSettingsCheckLine = 39;

// A stored geometry may be larger than any screen there is now, or lie off them all.
void keep_on_screen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen || window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) return;
    const QRect area = screen->availableGeometry();
    QRect g = window->geometry();
    // Showing the window grows it to its minimum; that size must fit too.
    g.setSize(g.size().expandedTo(window->minimumSizeHint()));
    if (area.contains(g)) return;
    g.setSize(g.size().boundedTo(area.size()));
    g.moveLeft(std::clamp(g.left(), area.left(), area.right() + 1 - g.width()));
    g.moveTop(std::clamp(g.top(), area.top(), area.bottom() + 1 - g.height()));
    window->setGeometry(g);
}

// Without a stored geometry the window opens centred at a comfortable size: two thirds of the
// screen's free area, at least kFirstSize and the layout's minimum, and never so large that the
// window manager's frame would not fit.
constexpr QSize kFirstSize(800, 560);
constexpr QSize kFrameRoom(32, 64);
constexpr qreal kFirstShare = 2.0 / 3.0;

void place_first_time(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QSize size = (area.size() * kFirstShare)
                           .expandedTo(kFirstSize)
                           .expandedTo(window->minimumSizeHint())
                           .boundedTo(area.size() - kFrameRoom);
    QRect g({}, size);
    g.moveCenter(area.center());
    window->setGeometry(g);
}

GButton* icon_button(GPanel* row, const char* icon, const char* toolTip) {
    auto* button = row->create<GButton>(icon, toolTip);
    // An icon alone says nothing to a screen reader.
    button->setAccessibleName(QString::fromUtf8(toolTip));
    return button;
}
} // namespace

Window::Window() : GMainWindow(nullptr, {}) {
    settings = dynamic_cast<MySettings*>(gen::qt::baseSettings);
    if (!settings) gen::nullPointerHandling("Window", kSettingsCheckLine, QStringLiteral("settings == NULL"));
    onClose = [this] {
        gen::pp("CLOSE WIN");
        settings->save_win(this);
        return true;
    };
}

Window::~Window() = default;

gen::qt::GPanelLog* Window::get_panel_log() {
    return panelLog;
}

void Window::ini() {
    auto* main = create_main_panel(gen::qt::VERT);
    const QString title = QStringLiteral("Hello Qt6 - 12");
    main->setWindowTitle(title);
    // The title bar and the task switcher show it too, not just the central panel.
    setWindowTitle(title);

    splitter = new gen::qt::GSplitter(Qt::Vertical);
    main->add_widget(splitter);
    splitter->setContentsMargins(0, 0, 0, 0);
    tab = new gen::qt::GTab();
    splitter->addWidget(tab);

    const auto add_tab = [this](GPanel* panel, const QString& text, const QString& toolTip) {
        tab->addTab(panel, text);
        if (toolTip.isEmpty()) return;
        if (const int index = tab->indexOf(panel); index >= 0) tab->setTabToolTip(index, toolTip);
    };
    add_tab(new PanelTrig(), "Trigonometry", "Trigonometric Functions");
    add_tab(new PanelGravity(), "Gravity", "Gravity Simulation");
    add_tab(new PanelThreaded(), "Threads", "Multithread Test");
    add_tab(new PanelAbout(), "About", "About this Program");

    tab->listenerPanelChanged = [](GPanel* p) { gen::pp("pan changed:$", p->to_string()); };
    tab->listenerPanelCloseRequested = [](GPanel* p) { gen::pp("pan close request:$", p->to_string()); };
    tab->listenerPanelDoubleClicked = [](GPanel* p) { gen::pp("pan double clicked:$", p->to_string()); };
    tab->listenerPanelClicked = [](GPanel* p) { gen::pp("pan clicked:$", p->to_string()); };
    tab->listenerTabBarClicked = [](int index) { gen::pp("tab bar clicked at:$", index); };
    tab->listenerTabBarDoubleClicked += [](int index) { gen::pp("tab double clicked:$", index); };

    splitter->setContentsMargins(0, 0, 0, 0);
    panelLog = new gen::qt::GPanelLog();
    splitter->addWidget(panelLog);
    panelLog->set_font_size(static_cast<int>(settings->get_gui_log_font_size()));
    panelLog->set_max_lines(static_cast<int>(settings->get_gui_log_max_lines()));

    gen::pp_info(gen::str::xprintF(0, "Qt version $", QT_VERSION_STR));

    GPanel* row = main->create_pan_horz();
    row->set_margins(0);
    auto* logBox = row->create<gen::qt::GCheckBox>("log");
    logBox->setChecked(settings->is_gui_log_enabled());
    GButton* clearButton = icon_button(row, ":/wb/icons/delete.svg", "Clears Log Panel");
    clearButton->listenerClicked = [this] { panelLog->clear(); };
    GButton* copyButton = icon_button(row, ":/wb/icons/copy.svg", "copy to clipboard");
    copyButton->listenerClicked = [this] { panelLog->copy_to_clipboard(); };

    if (!settings->is_gui_log_enabled()) {
        panelLog->setVisible(false);
        clearButton->setEnabled(false);
        copyButton->setEnabled(false);
    }
    logBox->listenerToggled = [this, clearButton, copyButton](bool checked) {
        panelLog->setVisible(checked);
        clearButton->setEnabled(checked);
        copyButton->setEnabled(checked);
        settings->set_gui_log_enabled(checked);
    };

    icon_button(row, ":/wb/icons/minus1.svg", "Creates a Debug Line")->listenerClicked = [] {
        gen::pp_info_line();
    };
    icon_button(row, ":/wb/icons/wheel.svg", "Options")->listenerClicked = [this] { on_options(); };
    icon_button(row, ":/wb/icons/expand.svg", "Toggle Fullscreen")->listenerClicked = [] {
        gen::qt::toggle_full_screen(nullptr);
    };
    row->create_spacer_horz();

    splitter->listenerSplitterMoved = [this] { settings->save_splitter_state(splitter); };

    settings->restore_splitter_state(splitter);
    if (settings->restore_win(this))
        keep_on_screen(this);
    else
        place_first_time(this);
}

void Window::test_transparent_dialog() {
    auto* dialog = new gen::qt::DiaExperiment(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}
