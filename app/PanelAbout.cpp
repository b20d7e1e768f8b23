#include "PanelAbout.h"

#include "gen/GFormat.h"
#include "gen/GLog.h"
#include "gen/GOs.h"
#include "gen/qt/GGui.h"
#include "gen/qt/GImageView.h"

#include <QImage>
#include <QLabel>

#include <string_view>

using gen::qt::GImageView;

namespace {
constexpr int kFontPx = 22;
constexpr int kSlideMs = 100;

// The language standard the build is compiled as, as a reader knows it.
constexpr const char* language_standard() {
    if constexpr (__cplusplus > 202002L)
        return "C++23";
    else if constexpr (__cplusplus >= 202002L)
        return "C++20";
    else
        return "C++17";
}

void append_os(std::string& out, const char* name, bool current) {
    if (current)
        out.append("<u>").append(name).append("</u>");
    else
        out.append(name);
}
} // namespace

QString PanelAbout::title_text() {
    std::string text = gen::str::xprintF(0, "<div style='font-size:$px;'> ", kFontPx);
    text += language_standard();
    text += gen::str::xprintF(0, " / Qt $ - Demo $ Bit</div>", QT_VERSION_STR, gen::os::get_os_bit_system());
    return QString::fromStdString(text);
}

QString PanelAbout::os_text() {
    std::string systems;
    append_os(systems, "Linux", gen::os::is_linux());
    systems += " &middot;";
    append_os(systems, "Android", gen::os::is_android());
    systems += " &middot;";
    append_os(systems, "Windows", gen::os::is_windows());
    systems += " &middot;";
    append_os(systems, "WASM", gen::os::is_wasm());
    return QString::fromStdString(
        gen::str::xprintF(0, "<div style='font-size:$px;'>$</div>", kFontPx, systems));
}

PanelAbout::PanelAbout()
    : GPanel(gen::qt::VERT), pictures{
                                 QStringLiteral(":/wb/img/o-00.jpg"), QStringLiteral(":/wb/img/o-09.jpg"),
                                 QStringLiteral(":/wb/img/o-12.jpg"), QStringLiteral(":/wb/img/o-14.jpg"),
                                 QStringLiteral(":/wb/img/o-18.jpg"), QStringLiteral(":/wb/img/o-21.jpg")} {
    create_label(title_text(), -1)->setTextFormat(Qt::RichText);
    create_label(os_text(), -1)->setTextFormat(Qt::RichText);

    picture = new GImageView();
    add_widget(picture);
    picture->set_image(QImage(pictures.first()));
    picture->setToolTip(QString());
    picture->setCursor(Qt::OpenHandCursor);
    picture->setSizePolicy(gen::qt::size_policy(QSizePolicy::Expanding, QSizePolicy::MinimumExpanding, 1, 1));
    picture->listenerMousePress = [this] { on_press(); };

    timer.setInterval(kSlideMs);
    timer.listenerTimeout = [this] { tick(); };
}

PanelAbout::~PanelAbout() = default;

void PanelAbout::on_press() {
    gen::pp("mouse pressed");
    if (!timer.isActive()) {
        timer.start();
        return;
    }
    timer.stop();
    gen::pp_info(gen::str::xprintF(0, "current:$", pictures[static_cast<qsizetype>(index)]));
}

void PanelAbout::tick() {
    if (++index >= static_cast<unsigned int>(pictures.size())) index = 0;
    if (!isVisible()) return;
    const QString& path = pictures[static_cast<qsizetype>(index)];
    gen::pp("showing:$", path);
    picture->set_image(QImage(path));
}
