#include "gen/qt/dialogs/GDialogOption.h"

#include "gen/GLog.h"
#include "gen/qt/GButton.h"
#include "gen/qt/GCheckBox.h"
#include "gen/qt/GComboBox.h"
#include "gen/qt/GMainPanel.h"
#include "gen/qt/Theme.h"
#include "gen/qt/ThemeEngine.h"
#include "gen/tools/GSettings.h"

#include <QLabel>
#include <QString>
#include <QStringList>

namespace gen::qt {

namespace {
constexpr const char* kSource = "gen/qt/dialogs/GDialogOption";
// The line this check has always reported, kept so its message stays the same.
constexpr int kBaseSettingsCheckLine = 43;

// Not a number gives 0, and so does a negative count of digits.
std::uint32_t to_digits(const QString& text) {
    const int value = text.toInt(nullptr, 10);
    return value > 0 ? static_cast<std::uint32_t>(value) : 0;
}

// A row of the dialog: a label and a combo box with `items`, no callback yet.
GComboBox* add_row(GPanel* panel, const char* label, const QStringList& items) {
    GPanel* row = panel->create_pan_horz();
    row->create<QLabel>(label);
    GComboBox* combo = row->create<GComboBox>();
    combo->addItems(items);
    return combo;
}
} // namespace

GDialogOption::GDialogOption(QWidget* parent, Qt::WindowFlags flags) : GDialog(parent, flags) {}

GDialogOption::~GDialogOption() = default;

void GDialogOption::add_flag(GPanel* panel, const char* text, unsigned int bit) {
    GCheckBox* box = panel->create_checkBox(text, (logConfig.logControl & bit) != 0, QString());
    box->listenerToggled = [this, bit](const bool& checked) {
        if (checked)
            logConfig.logControl.fetch_or(bit);
        else
            logConfig.logControl.fetch_and(~bit);
    };
}

void GDialogOption::ini() {
    setWindowTitle(QStringLiteral("Options"));
    logConfig.read_from_logger();
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);
    GMainPanel* panel = create_main_panel(VERT);

    // Each callback is attached after the initial selection, so building fires none.
    GComboBox* themes = add_row(panel, "Theme", {"normal", "dark", "green"});
    if (!baseSettings)
        nullPointerHandling(kSource, kBaseSettingsCheckLine, QStringLiteral("baseSettings == NULL"));
    themes->setCurrentIndex(static_cast<int>(theme::get()));
    themes->listenerCurrentIndexChanged = [](const int& index) {
        if (index < 0) return;
        theme::apply_the_theme(static_cast<unsigned int>(index));
        if (baseSettings) baseSettings->set_theme(static_cast<unsigned int>(index));
    };

    GComboBox* levels = add_row(panel, "Log Level", {"ERROR", "WARN", "INFO", "DEBUG"});
    levels->setCurrentIndex(static_cast<int>(logConfig.logLevel));
    levels->listenerCurrentIndexChanged = [this](const int& index) {
        if (index >= 0) logConfig.logLevel = static_cast<std::uint32_t>(index);
    };

    GComboBox* digits = add_row(panel, "Digits", {"3", "4", "5", "6", "7", "8", "9"});
    digits->setCurrentText(QString::number(logConfig.digits));
    digits->listenerCurrentTextChanged = [this](const QString& text) { logConfig.digits = to_digits(text); };

    GComboBox* sizes = add_row(panel, "Font Size", {"8", "9", "10", "11", "12", "13", "14", "15", "16"});
    fontSize = fontSizeOld = baseSettings->get_gui_log_font_size();
    pp("current fontSize:$", fontSize);
    sizes->setCurrentText(QString::number(fontSize));
    sizes->listenerCurrentTextChanged = [this](const QString& text) {
        fontSize = text.toUInt(nullptr, 10); // 0 when it is not a number
        listenerFontSize.fire_event(fontSize, FIRE_EVENT::DIRECT);
    };

    add_flag(panel, "number", log::LOG_NUMBER);
    add_flag(panel, "time", log::LOG_TIME);
    add_flag(panel, "log level", log::LOG_LEVEL_TAG);
    add_flag(panel, "thread", log::LOG_THREAD);
    add_flag(panel, "abs time", log::LOG_ABS_TIME);
    add_flag(panel, "micro seconds", log::LOG_MICRO);

    panel->create_spacer_horz();
    GButton* cancel = panel->create<GButton>("Cancel");
    cancel->listenerClicked = [this] {
        pp("Cancel");
        close();
    };
    GButton* ok = panel->create<GButton>("OK");
    ok->listenerClicked = [this] { accept_changes(); };
}

void GDialogOption::accept_changes() {
    pp("OK");
    logConfig.write_to_logger();
    logConfig.write_to_settings();
    if (fontSize != fontSizeOld) {
        pp("fontSize:$, fontSizeOld:$", fontSize, fontSizeOld);
        if (baseSettings) baseSettings->set_gui_log_font_size(fontSize);
    }
    close();
}

} // namespace gen::qt
