#pragma once

// Style sheets shared by the toolkit's widgets.

class QSlider;

namespace gen::qt::styles {

// Gives horizontal sliders a handle large enough for a finger.
void set_slider_handle(QSlider* slider);

} // namespace gen::qt::styles
