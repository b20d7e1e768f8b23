#pragma once

// The container every panel is built from: a frame with one layout of a kind
// chosen at construction, and a factory that creates widgets into it.

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

namespace gen::qt {

class GCheckBox;

enum GLAYOUT : std::uint32_t { VERT = 0, HORZ = 1, FLOW = 2, STACKED = 3, GRID = 4, FORM = 5 };

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

class GPanel : public QFrame {
public:
    GPanel();
    explicit GPanel(GLAYOUT l);
    ~GPanel() override;

    void set_layout(GLAYOUT l);
    QLayout* get_layout() const { return lay; }

    // Adds `w` to the layout and parents it to this panel; a widget that is
    // already here stays where it is.
    virtual QWidget* add_widget(QWidget* w);

    template <typename T, typename... Args>
    T* create(Args&&... args) {
        T* widget = new T(detail::widget_arg(std::forward<Args>(args))...);
        add_widget(widget);
        return widget;
    }

    GPanel* create_pan_vert();
    GPanel* create_pan_horz();
    GPanel* create_pan_flow();
    GPanel* create_pan_stacked();
    QLabel* create_label(const QString& text, int minWidth = 0);
    GCheckBox* create_checkBox(QString text, bool checked, QString toolTip = QString());
    QLabel* create_spacer();
    QLabel* create_spacer_vert();
    QLabel* create_spacer_horz();
    QLabel* create_horz_line(int height, const QString& color, const QString& name = QString());

    bool containsWidget(QWidget* w) const;
    void show_stacked_widget(QWidget* w);
    GPanel* set_margins(const QMargins& m);
    GPanel* set_margins(int m);
    GPanel* set_spacing(int s);
    QMargins get_margins() const;

    // "GPanel@<object name>", or "GPanel" when unnamed; what "$" prints for a panel.
    std::string to_string() const;

    // Fired with the current theme number when the panel's palette changes.
    Listener<unsigned int> listenerThemeChanged;

protected:
    void changeEvent(QEvent* e) override;

private:
    QLayout* lay = nullptr;
};

} // namespace gen::qt
