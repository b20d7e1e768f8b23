#pragma once

#include <functional>

class QAbstractButton;
class QSlider;

/// One-line wiring of a Qt signal to a std::function, for code that needs no
/// listener. GUI thread only; the connection ends with the widget.
namespace gen::qt::ev {

/// `f` gets each new position; it must hold a callable and is copied for the
/// life of the connection. Returns `s`.
QSlider* val_changed(QSlider* s, std::function<void(int)> f);
/// `f` runs on every click; it must hold a callable and is copied for the life
/// of the connection. Needs the application object. Returns `b`.
QAbstractButton* clicked(QAbstractButton* b, std::function<void()> f);

} // namespace gen::qt::ev
