#pragma once

#include "gen/Listener.h"
#include "gen/qt/dialogs/GDialog.h"
#include "gen/tools/LogConfig.h"

#include <cstdint>

namespace gen::qt {

class GPanel;

/// The options dialog: theme, log level, line-number digits, log line
/// decorations and the log panel's font size. The theme takes effect and is
/// stored at once, the font size is shown at once and stored by "OK", the log
/// settings take effect and are stored only by "OK". GUI thread only.
class GDialogOption : public GDialog {
public:
    /// An empty dialog; ini() builds it.
    explicit GDialogOption(QWidget* parent = nullptr, Qt::WindowFlags flags = {});
    ~GDialogOption() override;

    /// Builds the controls from the logger, the theme in force and the stored font
    /// size. Without a settings object the process ends ("baseSettings == NULL").
    /// It makes the dialog modal and deleted when closed, so make it with new
    /// and call this once.
    void ini() override;

    /// Fired with the new font size whenever the "Font Size" choice changes;
    /// "Cancel" does not fire it again with the old size.
    Listener<unsigned int> listenerFontSize;

private:
    // ini() overwrites both before anything is shown.
    static constexpr std::uint32_t kFontSizeBeforeIni = 9;

    void add_flag(GPanel* panel, const char* text, unsigned int bit);
    void accept_changes();

    log::LogConfig logConfig;
    std::uint32_t fontSize = kFontSizeBeforeIni;
    std::uint32_t fontSizeOld = kFontSizeBeforeIni;
};

} // namespace gen::qt
