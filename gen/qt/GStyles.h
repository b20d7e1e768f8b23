#pragma once

class QSlider;

/// Style sheets shared by the toolkit's widgets. GUI thread only.
namespace gen::qt::styles {

/// Gives horizontal sliders a handle large enough for a finger. Replaces the
/// slider's style sheet; a null slider ends the process through nullPointerHandling().
void set_slider_handle(QSlider* slider);

} // namespace gen::qt::styles
