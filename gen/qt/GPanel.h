#pragma once

#include "gen/Listener.h"

#include <QFrame>
#include <QMargins>
#include <QString>

#include <cstdint>
#include <string>
#include <type_traits>
#include <utility>

class QEvent;
class QLabel;
class QLayout;

/// The widget toolkit: panels, widgets that report to listeners, dialogs, the
/// log view, the settings store and the themes. GUI thread only, unless a
/// description says otherwise.
namespace gen::qt {

class GCheckBox;

/// The kind of layout a panel gets.
enum GLAYOUT : std::uint32_t {
    VERT = 0,    ///< QVBoxLayout: one column
    HORZ = 1,    ///< QHBoxLayout: one row
    FLOW = 2,    ///< GFlowLayout: rows that wrap
    STACKED = 3, ///< QStackedLayout: one widget shown at a time
    GRID = 4,    ///< QGridLayout: each widget in the next free cell
    FORM = 5     ///< QFormLayout: each widget a row of its own
};

namespace detail {

// Widget constructors take QString, not C strings, so literals are converted
// on the way through; everything else is forwarded untouched.
template <typename A>
decltype(auto) widget_arg(A&& arg) {
    using D = std::decay_t<A>;
    if constexpr (std::is_same_v<D, const char*> || std::is_same_v<D, char*>) {
        const char* text = arg;
        return QString::fromUtf8(text);
    } else {
        return std::forward<A>(arg);
    }
}

} // namespace detail

/// The container every panel is built from: a frame with one layout of a kind
/// chosen at construction, and a factory that creates widgets into it.
///
/// The panel owns what it creates and adds, as their Qt parent. GUI thread only.
class GPanel : public QFrame {
public:
    /// A panel without a layout; set_layout() must come before widgets are added.
    GPanel();
    /// A panel with a layout of kind `l`.
    explicit GPanel(GLAYOUT l);
    ~GPanel() override;

    /// Installs a layout of kind `l`; a panel that has one keeps it, with a DEBUG line.
    void set_layout(GLAYOUT l);
    /// The panel's layout, owned by the panel; null before set_layout().
    QLayout* get_layout() const { return lay; }

    /// Adds `w` to the layout and parents it to this panel; a widget that is
    /// already here stays where it is. A null widget, or a panel without a
    /// layout, ends the process through nullPointerHandling(). Returns `w`.
    virtual QWidget* add_widget(QWidget* w);

    /// Makes a T from `args`, C strings passed on as QString, adds it with
    /// add_widget() and returns it: `create<GButton>("OK")`.
    template <typename T, typename... Args>
    T* create(Args&&... args) {
        T* widget = new T(detail::widget_arg(std::forward<Args>(args))...);
        add_widget(widget);
        return widget;
    }

    /// A new sub-panel with a VERT layout.
    GPanel* create_pan_vert();
    /// A new sub-panel with a HORZ layout.
    GPanel* create_pan_horz();
    /// A new sub-panel with a FLOW layout.
    GPanel* create_pan_flow();
    /// A new sub-panel with a STACKED layout.
    GPanel* create_pan_stacked();
    /// A label showing `text`; a `minWidth` below 1 sets no minimum width.
    QLabel* create_label(const QString& text, int minWidth = 0);
    /// A GCheckBox in the given state; an empty tool tip sets none.
    GCheckBox* create_checkBox(QString text, bool checked, QString toolTip = QString());
    /// An empty label that takes spare room in both directions.
    QLabel* create_spacer();
    /// An empty label that stretches vertically and as wide as it may.
    QLabel* create_spacer_vert();
    /// An empty label of fixed height that stretches horizontally.
    QLabel* create_spacer_horz();
    /// A horizontal line `height` pixels thick in `color`, any colour a style
    /// sheet takes. Its style sheet finds it by object name, so without a
    /// `name` it gets a random one from gen::rnd.
    QLabel* create_horz_line(int height, const QString& color, const QString& name = QString());

    /// Whether `w` is directly in this panel's layout; false for null.
    bool containsWidget(QWidget* w) const;
    /// Shows `w` in a STACKED panel; another kind of panel logs at DEBUG and
    /// changes nothing. A null widget ends the process through nullPointerHandling().
    void show_stacked_widget(QWidget* w);
    /// Sets the layout's margins and returns the panel, for chaining; nothing without a layout.
    GPanel* set_margins(const QMargins& m);
    /// The same margin on all four sides.
    GPanel* set_margins(int m);
    /// Sets the layout's spacing and returns the panel; nothing without a layout.
    GPanel* set_spacing(int s);
    /// The layout's margins; all zero without a layout.
    QMargins get_margins() const;

    /// "GPanel@" and the object name, or "GPanel" when unnamed; what "$" prints for a panel.
    std::string to_string() const;

    /// Fired with the current theme number when the panel's palette changes.
    Listener<unsigned int> listenerThemeChanged;

protected:
    /// Fires listenerThemeChanged on a palette change, after QFrame's own handling.
    void changeEvent(QEvent* e) override;

private:
    QLayout* lay = nullptr;
};

} // namespace gen::qt
