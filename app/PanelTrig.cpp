#include "PanelTrig.h"

#include "MySettings.h"
#include "TrigComponent.h"

#include "gen/GFormat.h"
#include "gen/GLog.h"
#include "gen/GOs.h"
#include "gen/qt/GButton.h"
#include "gen/qt/GCheckBox.h"
#include "gen/qt/GenericSlider.h"
#include "gen/qt/GGui.h"

#include <array>
#include <cstdint>

using gen::qt::GenericSlider;
using gen::qt::GPanel;

namespace {

constexpr const char* kSource = "app/PanelTrig";

constexpr int kStartInterval = 25; // ms, whatever the Speed slider shows
constexpr unsigned int kSlowestDelay = 100;
constexpr unsigned int kFastestDelay = 5;
constexpr float kRadMin = 6.2831855f; // 2 pi
constexpr float kRadMax = 69.115036f; // 22 pi
constexpr unsigned int kRadSnap = 10; // percent: a tenth of the range is 2 pi
constexpr float kAmpMax = 400.0f;
constexpr int kLabelWidth = 60;
constexpr int kRunWidth = 100;
constexpr int kRunWidthSandboxed = 50;
constexpr int kDelayWidth = 150;

struct FunctionBox {
    const char* text;
    const char* toolTip;
    std::uint32_t bit;
};

constexpr std::array<FunctionBox, 6> kBoxes{{
    {"sin", "Sine", TrigComponent::FUNC_SIN},
    {"csc", "Cosecant => 1/Sine", TrigComponent::FUNC_CSC},
    {"cos", "Cosine", TrigComponent::FUNC_COS},
    {"sec", "Secans => 1/Cosine", TrigComponent::FUNC_SEC},
    {"tan", "Tangent", TrigComponent::FUNC_TAN},
    {"cot", "Cotangent => 1/Tangent", TrigComponent::FUNC_COT},
}};

const char* on_off(bool on) {
    return on ? "ON" : "OFF";
}

// A margin-free row that starts with its label.
GPanel* labelled_row(GPanel* column, const char* label) {
    GPanel* row = column->create_pan_horz();
    row->set_margins(0);
    row->create_label(label, kLabelWidth);
    return row;
}

} // namespace

// Every control is fully set up before its callback is attached, so building
// the panel fires nothing and writes no setting.
PanelTrig::PanelTrig() : GPanel(gen::qt::VERT) {
    MySettings* settings = MySettings::get();
    if (!settings) gen::nullPointerHandling(kSource, __LINE__, QStringLiteral("MySettings::get() == NULL"));

    auto* plot = create<TrigComponent>();
    plot->setSizePolicy(gen::qt::size_policy(QSizePolicy::Expanding, QSizePolicy::MinimumExpanding, 1, 1));
    plot->functions.exchange(settings->get_functions());
    plot->amp = settings->get_amp();
    plot->rad = settings->get_rad();

    GPanel* controls = create_pan_horz();
    controls->set_margins(0);
    auto* run = controls->create<gen::qt::GButton>("run");
    run->setSizePolicy(gen::qt::size_policy(QSizePolicy::Expanding, QSizePolicy::Minimum, 0, 1));
    run->setMaximumWidth(kRunWidth);
    GPanel* sliders = controls->create_pan_vert();
    sliders->set_margins(0);
    auto* delay = labelled_row(sliders, "Speed")->create<GenericSlider<unsigned int>>();
    auto* radSlider = labelled_row(sliders, "RAD")->create<GenericSlider<float>>();
    auto* ampSlider = labelled_row(sliders, "AMP")->create<GenericSlider<float>>();

    GPanel* boxes = labelled_row(sliders, "Func");
    for (const FunctionBox& f : kBoxes) {
        gen::qt::GCheckBox* box =
            boxes->create_checkBox(f.text, (plot->functions.load() & f.bit) != 0, f.toolTip);
        box->listenerToggled = [plot, settings, f](const bool& on) {
            gen::pp_info(gen::str::xprintF(0, "$() :$", f.text, on_off(on)));
            const std::uint32_t mask =
                on ? plot->functions.fetch_or(f.bit) | f.bit : plot->functions.fetch_and(~f.bit) & ~f.bit;
            settings->set_functions(mask);
            plot->update();
        };
    }
    boxes->create_spacer_horz();

    run->setCheckable(true);
    run->listenerClicked = [plot, run] {
        plot->set_animate(!plot->is_animate());
        run->setChecked(plot->is_animate());
        gen::pp_info(gen::str::xprintF(0, "animation $", on_off(plot->is_animate())));
    };
    if (gen::os::is_sandboxed()) run->setMaximumWidth(kRunWidthSandboxed);

    delay->set_args(Qt::Horizontal, kSlowestDelay, kFastestDelay, settings->get_delay());
    delay->setMinimumWidth(kDelayWidth);
    delay->listenerValueChanged = [this, settings](const unsigned int& value) {
        gen::pp("delay:$", value);
        settings->set_delay(value);
        timer.setInterval(static_cast<int>(value));
    };

    radSlider->set_args(Qt::Horizontal, kRadMin, kRadMax, settings->get_rad());
    radSlider->snapPercent = kRadSnap;
    radSlider->listenerValueChanged = [plot, settings](const float& value) {
        gen::pp("rad:$", value);
        plot->rad = value;
        settings->set_rad(value);
        plot->update();
    };

    ampSlider->set_args(Qt::Horizontal, 0.0f, kAmpMax, settings->get_amp());
    ampSlider->listenerValueChanged = [plot, settings](const float& value) {
        gen::pp("amp:$", value);
        plot->amp = value;
        settings->set_amp(value);
        plot->update();
    };

    timer.setInterval(kStartInterval);
    timer.listenerTimeout = [this, plot] {
        if (isVisible()) plot->animation();
    };
    timer.start();
}

PanelTrig::~PanelTrig() = default;
