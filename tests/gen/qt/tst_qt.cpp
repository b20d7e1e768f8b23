// The widget toolkit and the resource bundle. The program runs at a device
// pixel ratio of 1.5, so every widget case also meets scaled coordinates.
#include "gen/qt/BaseApp.h"
#include "gen/qt/components/GTab.h"
#include "gen/qt/dialogs/DiaExperiment.h"
#include "gen/qt/dialogs/GDialogOption.h"
#include "gen/qt/GButton.h"
#include "gen/qt/GButtonGroup.h"
#include "gen/qt/GCheckBox.h"
#include "gen/qt/GenericSlider.h"
#include "gen/qt/GFlowLayout.h"
#include "gen/qt/GGui.h"
#include "gen/qt/GImageView.h"
#include "gen/qt/GLogView.h"
#include "gen/qt/GMainWindow.h"
#include "gen/qt/GPanelLog.h"
#include "gen/qt/GRadioButton.h"
#include "gen/qt/GSlider.h"
#include "gen/qt/Theme.h"
#include "gen/qt/ThemeEngine.h"
#include "gen/tools/GSettings.h"
#include "gen/tools/LogConfig.h"

#include "LogLines.h"
#include "TestSupport.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

using namespace gen::qt;
using namespace gen::log;

namespace {

// Layouts without a meta-object of their own would all be "QLayout".
QString kind_of(QLayout* l) {
    return dynamic_cast<gen::GFlowLayout*>(l) ? "flow" : get_qtype_name(l);
}

// A sub-control's rectangle as QSlider asks its style for it (QSlider keeps its own option to itself).
QRect slider_rect(const QSlider* s, QStyle::SubControl control) {
    QStyleOptionSlider opt;
    opt.initFrom(s);
    opt.orientation = s->orientation();
    opt.maximum = s->maximum();
    opt.sliderPosition = s->sliderPosition();
    opt.state |= QStyle::State_Horizontal;
    return s->style()->subControlRect(QStyle::CC_Slider, &opt, control, s);
}

QStringList shown(const QPlainTextEdit* view) {
    return view->toPlainText().split('\n', Qt::SkipEmptyParts);
}

// With no control bits a line is one blank and the message.
QStringList messages(const LogLines& log) {
    QStringList out;
    for (const auto& line : log.lines)
        out << line.second.mid(1);
    return out;
}

QComboBox* combo(QWidget* dialog, const QString& label) {
    QLabel* l = with_text<QLabel>(*dialog, label);
    return l ? l->parentWidget()->findChild<QComboBox*>() : nullptr;
}

// Records what the frame calls on it.
struct Probe : GMainWindow {
    using GMainWindow::dragEnterEvent;
    using GMainWindow::dropEvent;
    bool inResize = false;
    void resizeEvent(QResizeEvent* e) override {
        inResize = true;
        GMainWindow::resizeEvent(e);
        inResize = false;
    }
};

} // namespace

class TstQt : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<GSettings> store;

    QStringList stored() const {
        QStringList out;
        for (const QString& key : store->allKeys())
            out << key + "=" + store->value(key).toString();
        out.sort();
        return out;
    }

private slots:
    void init() {
        set_log_level(DEBUG);
        set_control_bits(0);
        theme::apply_the_theme(theme::THEME_NORMAL);
        dir = std::make_unique<QTemporaryDir>();
        store = std::make_unique<GSettings>(dir->filePath("store.ini"), QSettings::IniFormat);
    }
    void cleanup() {
        baseSettings = nullptr;
        store.reset();
    }

    // Laid out 100 wide at `origin`, then measured 1000 wide, which must move nothing.
    void flowLayout_data() {
        QTest::addColumn<QMargins>("margins");
        QTest::addColumn<QSize>("spacing"); // horizontal, vertical
        QTest::addColumn<QPoint>("origin");
        QTest::addColumn<QList<QRect>>("items");
        QTest::addColumn<int>("height");
        QTest::addColumn<QSize>("minimum");
        const auto row = [](const char* name, QMargins margins, QSize spacing, QPoint origin,
                            const QList<QRect>& items, int height, QSize minimum) {
            QTest::newRow(name) << margins << spacing << origin << items << height << minimum;
        };
        row("three 40", {}, {5, 7}, {}, {{0, 0, 40, 10}, {45, 0, 40, 10}, {0, 17, 40, 10}}, 27, {40, 10});
        row("ends at the edge", {}, {0, 0}, {}, {{0, 0, 50, 10}, {0, 10, 50, 10}}, 20, {50, 10});
        row("ends before the edge", {}, {0, 0}, {}, {{0, 0, 50, 10}, {50, 0, 49, 10}}, 10, {50, 10});
        row("too wide", {}, {5, 5}, {}, {{0, 0, 150, 10}, {0, 15, 30, 10}}, 25, {150, 10});
        row("margins, tallest first, moved", {1, 2, 3, 4}, {0, 0}, {10, 20},
            {{11, 22, 30, 20}, {41, 22, 40, 10}, {11, 42, 30, 10}}, 36, {44, 26});
        row("empty", {1, 2, 3, 4}, {0, 0}, {}, {}, 6, {3, 5});
    }
    void flowLayout() {
        QFETCH(QMargins, margins);
        QFETCH(QSize, spacing);
        QFETCH(QPoint, origin);
        QFETCH(QList<QRect>, items);
        QFETCH(int, height);
        QFETCH(QSize, minimum);
        gen::GFlowLayout flow(0, spacing.width(), spacing.height());
        flow.setContentsMargins(margins);
        for (const QRect& item : items)
            flow.addItem(
                new QSpacerItem(item.width(), item.height(), QSizePolicy::Fixed, QSizePolicy::Fixed));
        QVERIFY(!flow.itemAt(-1) && !flow.takeAt(flow.count()));
        QCOMPARE(flow.sizeHint(), minimum);
        flow.setGeometry(QRect(origin, QSize(100, 1000)));
        QCOMPARE(flow.heightForWidth(100), height);
        QVERIFY(flow.heightForWidth(1000) <= height);
        QList<QRect> placed;
        for (int i = 0; i < flow.count(); ++i)
            placed << flow.itemAt(i)->geometry();
        QCOMPARE(placed, items);
    }

    // -1 builds the panel without a layout and 6 names none: such a panel takes GRID later, the others
    // keep theirs.
    void panel_layouts_data() {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("kind");
        const QStringList kinds{"nullptr",        "QVBoxLayout", "QHBoxLayout", "flow",
                                "QStackedLayout", "QGridLayout", "QFormLayout", "nullptr"};
        for (int l = -1; l <= int(FORM) + 1; ++l)
            QTest::addRow("%d: %s", l, qPrintable(kinds[l + 1])) << l << kinds[l + 1];
    }
    void panel_layouts() {
        QFETCH(int, layout);
        QFETCH(QString, kind);
        std::unique_ptr<GPanel> panel(layout < 0 ? new GPanel : new GPanel(GLAYOUT(layout)));
        QCOMPARE(kind_of(panel->layout()), kind);
        const bool has = kind != "nullptr";
        QCOMPARE(panel->set_margins(7)->set_spacing(3), panel.get());
        QCOMPARE(panel->get_margins(), has ? QMargins(7, 7, 7, 7) : QMargins());
        panel->set_layout(GRID);
        QCOMPARE(kind_of(panel->get_layout()), has ? kind : "QGridLayout");
        QLabel* first = panel->create_label("first");
        QLabel* label = panel->create_label("second");
        QCOMPARE(panel->add_widget(first), first); // stays where it is
        QCOMPARE(panel->get_layout()->count(), 2);
        QCOMPARE(panel->get_layout()->itemAt(0)->widget(), first);
        panel->show_stacked_widget(label);
        auto* stacked = dynamic_cast<QStackedLayout*>(panel->get_layout());
        QCOMPARE(stacked ? stacked->currentWidget() : label, label);
    }

    // Each factory makes what its name promises and puts it into the panel; texts arrive as UTF-8.
    void panel_factory() {
        GPanel panel(HORZ);
        QCOMPARE(panel.create<QLabel>("Grüße")->text(), QString::fromUtf8("Grüße"));
        QStringList kinds;
        for (GPanel* inner : {panel.create<GPanel>(GRID), panel.create_pan_vert(), panel.create_pan_horz(),
                              panel.create_pan_flow(), panel.create_pan_stacked()})
            kinds << kind_of(inner->get_layout());
        QCOMPARE(kinds, (QStringList{"QGridLayout", "QVBoxLayout", "QHBoxLayout", "flow", "QStackedLayout"}));
        GCheckBox* tipped = panel.create_checkBox("log", true, "shows the log");
        QVERIFY(tipped->isChecked() && tipped->toolTip() == "shows the log");
        QCOMPARE(panel.get_layout()->count(), 7);
    }

    // A child consumes its events even while nobody listens to it, so the parent hears nothing.
    void widget_mouse() {
        GWidget parent;
        auto* child = new GWidget(&parent);
        child->setGeometry(50, 50, 100, 100);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QStringList seen;
        const auto record = [&seen](const char* kind) {
            return [&seen, kind](QMouseEvent* const& e) {
                const QPointF p = e->position();
                seen << QString("%1 %2,%3 %4").arg(kind).arg(p.x()).arg(p.y()).arg(int(e->buttons()));
            };
        };
        for (GWidget* w : {&parent, child}) {
            w->listenerMousePress = record("press");
            w->listenerMouseRelease = record("release");
            w->listenerMouseMove = record("move");
            // Odd coordinates come back unchanged from their trip through device pixels at 1.5.
            QTest::mouseMove(child, {w == child ? 23 : 21, 11});
            QTest::mouseClick(child, Qt::LeftButton, {}, {30, 40});
            seen << "|";
        }
        QCOMPARE(seen.join(", "), "|, move 23,11 0, press 30,40 1, release 30,40 0, |");
    }

    // Red image on a black background: every pixel must be the colour of where the image lands.
    void imageView_data() {
        QTest::addColumn<bool>("fitInside");
        QTest::addColumn<QList<QRect>>("rects"); // the image, the view, where the image lands
        QTest::newRow("landscape") << true
                                   << QList<QRect>{{0, 0, 400, 300}, {0, 0, 200, 200}, {0, 25, 200, 150}};
        QTest::newRow("portrait, odd width")
            << true << QList<QRect>{{0, 0, 300, 400}, {0, 0, 201, 200}, {25, 0, 150, 200}};
        QTest::newRow("covering") << false
                                  << QList<QRect>{{0, 0, 400, 300}, {0, 0, 200, 200}, {0, 0, 200, 200}};
    }
    void imageView() {
        QFETCH(bool, fitInside);
        QFETCH(QList<QRect>, rects);
        GImageView view;
        view.resize(rects[1].size());
        view.setAutoFillBackground(true);
        view.setPalette(QPalette(Qt::black));
        view.fitInside = fitInside;
        QImage image(rects[0].size(), QImage::Format_RGB32);
        image.fill(Qt::red);
        view.set_image(image);
        QImage want(rects[1].size(), QImage::Format_RGB32);
        want.fill(Qt::black);
        QPainter(&want).fillRect(rects[2], Qt::red);
        QImage got(want.size(), QImage::Format_RGB32); // one pixel per unit, whatever the screen's ratio
        view.render(&got);
        QCOMPARE(got, want);
    }

    // Every listener but Stop's records. A second release over the checked button of an exclusive group
    // may not uncheck it; once the group is not exclusive it may.
    void button_clicks() {
        QWidget window;
        auto* one = new GRadioButton("one");
        auto* two = new GRadioButton("two");
        auto* go = new GButton("Go");
        auto* box = new GCheckBox("log");
        auto* layout = new QHBoxLayout(&window);
        for (QWidget* w : QList<QWidget*>{one, two, go, new GButton("Stop"), box})
            layout->addWidget(w);
        auto* group = new GButtonGroup(&window, {one, two});
        QStringList seen;
        group->listenerToggled = [&](const ButtonToggled& t) {
            seen << QString("group %1 %2").arg(t.button->text()).arg(t.checked);
        };
        go->listenerClicked = [&](const int& v) { seen << QString("Go %1").arg(v); };
        box->listenerToggled = [&](const bool& on) { seen << QString("log %1").arg(on); };
        one->listenerToggled = [&](const bool& on) { seen << QString("one %1").arg(on); };
        window.show();
        for (const char* text : {"Go", "Stop", "log", "log", "one", "two", "two", "", "two"}) {
            if (!*text) group->setExclusive(false);
            if (auto* button = with_text<QAbstractButton>(window, text))
                QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
        }
        QCOMPARE(seen.join(", "), "Go 0, log 1, log 0, one 1, group one 1, one 0, group two 1, group two 1, "
                                  "group two 0");
    }

    // Only a known name checks a button; an unknown one is an error.
    void buttonGroup_byName() {
        GRadioButton one("one"), three("3", "three");
        GButtonGroup group(nullptr, {&one, &three});
        one.setChecked(true);
        LogLines log;
        QCOMPARE(group.button_by_name(""), nullptr); // no name, no complaint
        QVERIFY(log.lines.isEmpty());
        QCOMPARE(group.button_by_name("Two"), nullptr);
        QVERIFY(log.only(ERROR, "GButtonGroup::button_by_name, name 'Two' not found"));
        QVERIFY(one.isChecked());
        QCOMPARE(group.button_by_name("three"), &three);
        QVERIFY(three.isChecked());
    }

    void gui_iconProperty() {
        GButton button;
        QVERIFY(!has_property(&button, "sIcon"));
        button.set_icon_res(":/wb/icons/missing.svg");
        QVERIFY(has_property(&button, "sIcon") && !has_property(&button, "objectName"));
        QCOMPARE(button.get_icon_res(), QString()); // a missing icon records no path
        button.set_icon_res(":/wb/icons/copy.svg");
        QCOMPARE(button.get_icon_res(), ":/wb/icons/copy.svg");
    }

    // Only a path of four or more parts has a theme folder to put in place.
    void theme_icons() {
        QCOMPARE(theme::make_theme_path(":/wb/copy.svg", "dark"), ":/wb/copy.svg");
        QCOMPARE(theme::make_theme_path(":/wb/icons/a/b/copy.svg", "dark"), ":/wb/icons/dark/copy.svg");
        GButton copy(":/wb/icons/copy.svg", "copy to clipboard");
        GButton missing(":/wb/icons/copy.svg");
        missing.setProperty("sIcon", ":/wb/icons/nowhere.svg"); // no themed variant either
        GButton emptyIcon("text");
        emptyIcon.setProperty("sIcon", QString());
        const QStringList expected{":/wb/icons/dark/copy.svg", ":/wb/icons/green/copy.svg",
                                   ":/wb/icons/copy.svg"};
        const unsigned themes[] = {theme::THEME_DARK, theme::THEME_GREEN, theme::THEME_NORMAL};
        for (int i = 0; i < 3; ++i) {
            const qint64 before = copy.icon().cacheKey();
            theme::apply_the_theme(themes[i]);
            QCOMPARE(copy.get_icon_res(), expected[i]);
            QVERIFY(copy.icon().cacheKey() != before);
            QCOMPARE(missing.property("sIcon").toString(), ":/wb/icons/nowhere.svg");
            QVERIFY(emptyIcon.property("sIcon").toString().isEmpty() && emptyIcon.icon().isNull());
        }
    }

    // Log views follow the theme; a number beyond the last changes nothing.
    void theme_beyondTheLast() {
        GLogView view;
        theme::apply_theme("dark");
        QCOMPARE(view.get_theme(), theme::THEME_DARK);
        const QPalette dark = QApplication::palette();
        theme::apply_the_theme(3);
        theme::set(3);
        QCOMPARE(theme::get(), theme::THEME_DARK);
        QCOMPARE(QApplication::palette(), dark);
        QCOMPARE(view.get_theme(), theme::THEME_DARK);
    }

    // Only a change of the theme reaches the engine.
    void baseApp_setTheme() {
        auto* app = static_cast<BaseApp*>(QCoreApplication::instance());
        app->set_theme(theme::THEME_NORMAL); // what the engine has, as far as the object knows
        QCOMPARE(app->applied_theme(), 0u);
        theme::set(theme::THEME_GREEN); // so a call to the engine would show
        app->set_theme(theme::THEME_NORMAL);
        QCOMPARE(theme::get(), theme::THEME_GREEN);
        app->set_theme(theme::THEME_DARK);
        QCOMPARE(theme::get(), theme::THEME_DARK);
        QCOMPARE(app->applied_theme(), 1u);
        app->set_theme(5);
        QCOMPARE(app->requested_theme(), 5u);
        QCOMPARE(theme::get(), theme::THEME_DARK);
    }

    // An older panel destroyed leaves the newer one's appender in place; a panel destroyed with lines
    // queued for it gets none of them.
    void panelLog_lifetimes() {
        auto older = std::make_unique<GPanelLog>();
        auto newer = std::make_unique<GPanelLog>();
        older.reset();
        gen::pp("still shown");
        QTRY_COMPARE(shown(newer->get_view()), QStringList{" still shown"});
        gen::pp("queued for the newer panel");
        newer.reset();
        QCoreApplication::processEvents();
        gen::pp("nobody listens"); // under ASan, a dangling appender fails here
        QCoreApplication::processEvents();
        GPanelLog last;
        gen::pp("last");
        QTRY_COMPARE(shown(last.get_view()), QStringList{" last"});
    }

    // Three lines kept, whether the view cuts lines shown one by one or the inbox a burst: the first
    // kept line keeps its colour. 0 keeps every line. A U+0000 in a line does not cut the copy.
    void panelLog_clearCopyFontAndLimit() {
        GPanelLog panel;
        GLogView* view = panel.get_view();
        QCOMPARE(panel.get_max_lines(), GPanelLog::kDefaultMaxLines);
        panel.set_max_lines(3);
        for (const bool burst : {false, true}) {
            panel.clear();
            for (int i = 0; i < 5; ++i) {
                log_string(static_cast<LOG_LEVEL>(i % 4), std::to_string(i));
                if (!burst) QCoreApplication::processEvents();
            }
            QTRY_COMPARE(view->toPlainText(), QString(" 2\n 3\n 4"));
            QCOMPARE(view->document()->firstBlock().blockFormat().background().color(),
                     view->line_background(INFO));
        }
        panel.set_max_lines(0);
        gen::pp_info("one");
        gen::pp_error(std::string("t\0wo", 4));
        QTRY_COMPARE(shown(view).size(), 5);
        panel.copy_to_clipboard();
        QCOMPARE(QGuiApplication::clipboard()->text(), view->toPlainText());
        panel.clear();
        QVERIFY(panel.get_view()->toPlainText().isEmpty());
        gen::pp("three");
        QTRY_VERIFY(!panel.get_view()->toPlainText().isEmpty());
        QCOMPARE(panel.get_view()->document()->blockCount(), 1);
        panel.set_font_size(0); // refused
        QCOMPARE(panel.get_font_size(), 9);
        panel.set_font_size(12);
        panel.set_max_lines(-1); // refused
        QCOMPARE((QList<int>{panel.get_font_size(), view->font().pointSize(), panel.get_max_lines()}),
                 (QList<int>{12, 12, 0}));
    }

    void panelLog_simpleComponent() {
        GPanel parent(VERT);
        QPlainTextEdit* edit = create_log_component(&parent);
        gen::pp("plain");
        QTRY_COMPARE(shown(edit).size(), 1);
        delete edit;
        gen::pp("after the component"); // must not reach the deleted edit
        QCoreApplication::processEvents();
    }

    // From 10 to 100, starting at 20: a refused value leaves the slider where it is. Reversed values are
    // mirrored at the maximum alone, so 95 becomes 5.
    void slider_bounds() {
        GSlider s;
        s.set_args(Qt::Horizontal, 10, 100, 20);
        QList<int> values;
        for (int val : {101, 100, -30, -9, -95}) {
            val < 0 ? s.set_value_revers(-val) : s.setValue(val);
            values << s.value();
        }
        QCOMPARE(values, (QList<int>{20, 100, 70, 70, 70}));
    }

    // Like GSlider(), this constructor must watch the slider itself, or no listener would fire.
    void slider_userEvents() {
        GSlider s(Qt::Horizontal);
        s.resize(300, 300);
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QStringList events;
        s.listenerValueChanged = [&](const int& v) { events << QString("value %1").arg(v); };
        s.listenerSliderPressed = [&](const int& v) { events << QString("pressed %1").arg(v); };
        s.listenerSliderReleased = [&](const int& v) { events << QString("released %1").arg(v); };
        QTest::mouseClick(&s, Qt::LeftButton, {}, slider_rect(&s, QStyle::SC_SliderHandle).center());
        QTest::keyClick(&s, Qt::Key_PageUp);
        QCOMPARE(events.join(", "), QString("pressed 0, released 0, value %1").arg(s.pageStep()));
    }

    // `moveTo` is a later setValue() of a position, -1 for none.
    void genericSlider_mapping_data() {
        QTest::addColumn<bool>("isFloat");
        QTest::addColumn<QList<double>>("args"); // min, max, val, moveTo; then the position and value
        QTest::newRow("reversed 100") << false << QList<double>{100, 5, 100, -1, 0, 100};
        QTest::newRow("reversed 5") << false << QList<double>{100, 5, 5, -1, 1000, 5};
        QTest::newRow("clamped") << false << QList<double>{0, 10, 20, -1, 1000, 10};
        QTest::newRow("unsigned rounds") << false << QList<double>{0, 3, 0, 500, 500, 2};
        QTest::newRow("float moved") << true << QList<double>{0, 400, 200, 250, 250, 100};
        QTest::newRow("empty range") << false << QList<double>{7, 7, 20, -1, 0, 7};
    }
    void genericSlider_mapping() {
        QFETCH(bool, isFloat);
        QFETCH(QList<double>, args);
        // Snapping is on, as programmatic moves must never snap.
        const auto check = [&]<typename T>(GenericSlider<T>& s) {
            s.set_args(Qt::Horizontal, 0, 400, 100); // at 250, where no row starts
            QList<double> fired;
            s.listenerValueChanged = [&](const T& v) { fired << double(v); };
            s.snapPercent = 10;
            s.set_args(Qt::Horizontal, T(args[0]), T(args[1]), T(args[2]));
            if (args[3] >= 0) s.setValue(int(args[3]));
            QCOMPARE((QList<double>{double(s.sliderPosition()), double(s.value), fired.last()}),
                     (QList<double>{args[4], args[5], args[5]}));
        };
        GenericSlider<float> f;
        GenericSlider<unsigned int> u;
        isFloat ? check(f) : check(u);
    }

    // The handle is pressed where `before` put it, dragged to `dragTo` (-1: not moved) and released.
    void genericSlider_snapping_data() {
        QTest::addColumn<QList<int>>("args"); // max, before, dragTo, after
        QTest::newRow("437") << QList<int>{400, 437, -1, 400};
        QTest::newRow("450") << QList<int>{400, 450, -1, 500};
        QTest::newRow("950") << QList<int>{400, 950, -1, 900};
        QTest::newRow("dragged") << QList<int>{400, 0, 630, 600};
        QTest::newRow("empty range") << QList<int>{0, 0, -1, 0};
    }
    void genericSlider_snapping() {
        QFETCH(QList<int>, args);
        const int before = args[1], dragTo = args[2];
        GenericSlider<float> s;
        s.resize(1100, 60); // about a pixel per position, so a drag lands where aimed
        s.set_args(Qt::Horizontal, 0.0f, float(args[0]), 0.0f);
        s.snapPercent = 10;
        s.setValue(before);
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        const QRect handle = slider_rect(&s, QStyle::SC_SliderHandle);
        const int span = slider_rect(&s, QStyle::SC_SliderGroove).width() - handle.width();
        const auto pixel = [&](int pos) { return QStyle::sliderPositionFromValue(0, 1000, pos, span); };
        const QPoint at = handle.center() + QPoint(dragTo < 0 ? 0 : pixel(dragTo) - pixel(before), 0);
        QTest::mousePress(&s, Qt::LeftButton, {}, handle.center());
        if (dragTo >= 0) QTest::mouseMove(&s, at);
        const int held = s.sliderPosition();
        QVERIFY2(qAbs(held - (dragTo < 0 ? before : dragTo)) < 15, qPrintable(QString::number(held)));
        QTest::mouseRelease(&s, Qt::LeftButton, {}, at);
        QCOMPARE(s.sliderPosition(), args[3]);
    }

    // Pages 0..2 are panels, page 3 is not; tab -1 is a point in the bar beside the tabs. "!" has the
    // index close listener delete the whole tab widget, which must not crash.
    void tab_userActions_data() {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QString>("events");
        QTest::newRow("each kind") << QStringList{"click 2",   "click 3", "middle 1",
                                                  "middle -1", "close 2", "double 1"}
                                   << "clicked 2, clicked p2, changed 2, changed p2; clicked 3, changed 3; "
                                      "close 1, clicked 1, clicked p1; clicked -1; close 2, close p2; "
                                      "clicked 1, clicked p1, changed 1, changed p1, double 1, double p1, "
                                      "clicked 1, clicked p1";
        QTest::newRow("middle deletes") << QStringList{"middle! 1"} << "close 1";
        QTest::newRow("close button deletes") << QStringList{"close! 2"} << "close 2";
    }
    void tab_userActions() {
        QFETCH(QStringList, actions);
        QFETCH(QString, events);
        QPointer<GTab> tab = new GTab;
        for (int i = 0; i < 3; ++i)
            tab->addTab(new GPanel(VERT), "panel");
        tab->addTab(new QWidget, "plain");
        tab->setTabsClosable(true);
        tab->resize(800, 300);
        tab->show();
        QVERIFY(QTest::qWaitForWindowExposed(tab));
        QStringList seen;
        bool deleting = false;
        const auto wire = [&](gen::Listener<int>& byIndex, gen::Listener<GPanel*>& byPanel, QString what) {
            byIndex = [&, what](const int& i) {
                seen << QString("%1 %2").arg(what).arg(i);
                if (deleting && what == "close") delete tab.data();
            };
            byPanel = [&, what](GPanel* const& p) {
                seen << QString("%1 p%2").arg(what).arg(tab->indexOf(p));
            };
        };
        wire(tab->listenerCurrentChanged, tab->listenerPanelChanged, "changed");
        wire(tab->listenerTabCloseRequested, tab->listenerPanelCloseRequested, "close");
        wire(tab->listenerTabBarClicked, tab->listenerPanelClicked, "clicked");
        wire(tab->listenerTabBarDoubleClicked, tab->listenerPanelDoubleClicked, "double");
        QTabBar* bar = tab->tabBar();
        bar->setExpanding(false);
        bar->resize(bar->width() + 100, bar->height()); // room beside the tabs
        QStringList transcript;
        for (const QString& step : actions) {
            const QString action = step.section(' ', 0, 0).remove('!');
            const int index = step.section(' ', 1).toInt();
            deleting = step.contains('!');
            const QPoint at =
                index < 0 ? QPoint(bar->width() - 5, bar->height() / 2) : bar->tabRect(index).center();
            if (action == "middle") QTest::mousePress(bar, Qt::MiddleButton, {}, at);
            if (action == "close")
                QTest::mouseClick(bar->tabButton(index, QTabBar::RightSide), Qt::LeftButton);
            if (action == "click" || action == "double") QTest::mouseClick(bar, Qt::LeftButton, {}, at);
            if (action == "double") QTest::mouseDClick(bar, Qt::LeftButton, {}, at);
            if (action == "middle" && tab) QTest::mouseRelease(bar, Qt::MiddleButton, {}, at);
            transcript << seen.join(", ");
            seen.clear();
        }
        QCOMPARE(transcript.join("; "), events);
        QCOMPARE(tab.isNull(), deleting);
        delete tab.data();
    }

    void tab_enableTab() {
        GTab tab;
        GPanel foreign;
        tab.addTab(new GPanel, "page");
        auto* second = new GPanel;
        tab.addTab(second, "second");
        tab.enable_tab(&foreign, false);
        QVERIFY(tab.isTabEnabled(0));
        tab.enable_tab(static_cast<GPanel*>(tab.widget(0)), false);
        QVERIFY(!tab.isTabEnabled(0));
        QCOMPARE(tab.index_from_panel(&foreign), -1);
        QCOMPARE(tab.index_from_panel(second), 1);
    }

    // One window through its events, the log as the transcript: only URLs are logged on a drop, a line
    // break in a name escaped, the first resize fires once through the event loop, and the close hook's
    // "no" vetoes nothing.
    void mainWindow_events() {
        Probe window;
        LogLines log;
        window.listenerFirstResize = [&](const int& v) {
            gen::pp("first resize $, inside:$", v, window.inResize);
        };
        QResizeEvent first(QSize(400, 300), QSize(100, 100));
        QCoreApplication::sendEvent(&window, &first);
        gen::pp("sent");
        window.show();
        for (int i = 1; i <= 5; ++i) {
            window.resize(300 + 20 * i, 200 + 10 * i);
            QCoreApplication::processEvents();
        }
        const QList<QUrl> urls{QUrl::fromLocalFile("/tmp/b c.txt"), QUrl("http://example.org/"),
                               QUrl("dir/relative.txt"), QUrl(), QUrl::fromLocalFile("/a\nb")};
        for (const QList<QUrl>& offered : {QList<QUrl>(), urls}) {
            QMimeData mime;
            mime.setText("some text");
            if (!offered.isEmpty()) mime.setUrls(offered);
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, {});
            window.dragEnterEvent(&enter);
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, {});
            drop.setDropAction(Qt::IgnoreAction);
            window.dropEvent(&drop);
            gen::pp("enter $, drop $ $", enter.isAccepted(), drop.isAccepted(), int(drop.dropAction()));
        }
        window.onClose = [] {
            gen::pp("hook");
            return false;
        };
        for (GSettings* settings : {static_cast<GSettings*>(nullptr), store.get()}) {
            baseSettings = settings;
            QCloseEvent event;
            event.ignore();
            QCoreApplication::sendEvent(&window, &event);
            gen::pp("close accepted $", event.isAccepted());
        }
        const QString path = "    GMainWindow::dropEvent, <<<%1>>>";
        QCOMPARE(messages(log),
                 QStringList({"sent", "first resize 0, inside:false", "enter false, drop true 1",
                              "GMainWindow::dragEnterEvent, URLs", "GMainWindow::dropEvent, urls:5",
                              path.arg("/tmp/b c.txt"), path.arg(""), path.arg(""), path.arg(""),
                              path.arg("/a\\nb"), "enter true, drop true 1", "GMainWindow::closeEvent",
                              "hook", "close accepted true", "GMainWindow::closeEvent", "hook",
                              "GMainWindow::save_state", "close accepted true"}));
    }

    void mainWindow_fileDropped_data() {
        QTest::addColumn<QString>("kind"); // what the path names
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("result"); // %1 is the path
        // Sparse, so cheap to make; wider than 32 bits.
        QTest::newRow("over 4 GiB") << "file" << qint64(4300000000) << "read 4.300.000.000 bytes from %1";
        QTest::newRow("missing") << "missing" << qint64(0) << "ERROR opening %1";
        QTest::newRow("endless device") << "device" << qint64(0) << "ERROR opening %1";
        QTest::newRow("null path") << "null" << qint64(0) << "ERROR opening %1";
        QTest::newRow("line break") << "missing\n[0001] forged" << qint64(0) << "ERROR opening %1";
    }
    void mainWindow_fileDropped() {
        QFETCH(QString, kind);
        QFETCH(qint64, size);
        QFETCH(QString, result);
        QString path = kind == "device" ? "/dev/zero" : dir->filePath(kind);
        QFile file(path);
        if (kind == "file") QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(size));
        const QByteArray utf8 = path.toUtf8();
        const char* sPath = kind == "null" ? nullptr : utf8.constData();
        if (!sPath) path = "nullptr";
        path.replace('\n', "\\n");
        LogLines log;
        on_file_dropped(sPath, 7);
        QCOMPARE(messages(log),
                 QStringList({QString("on_file_dropped, sPath:%1, bytes:7").arg(path), result.arg(path)}));
    }

    // The main panel fills the dialog edge to edge, and the closing button closes; DiaExperiment
    // deletes itself then.
    void dialog_data() {
        QTest::addColumn<bool>("experiment");
        QTest::newRow("GDialog") << false;
        QTest::newRow("DiaExperiment") << true;
    }
    void dialog() {
        QFETCH(bool, experiment);
        QPointer<GDialog> dialog = experiment ? new DiaExperiment(nullptr, {}) : new GDialog(nullptr, {});
        if (!experiment) dialog->ini();
        dialog->resize(300, 400);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QCOMPARE(dialog->layout()->itemAt(0)->widget()->geometry(), dialog->rect());
        QTest::mouseClick(with_text<QPushButton>(*dialog, experiment ? "close" : "End"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(dialog.isNull(), experiment);
        QVERIFY(!dialog || dialog->isHidden());
        delete dialog;
    }

    // The selections come from the theme in force, the logger (not the stored log
    // settings) and the stored font size; building fires and stores nothing.
    void dialogOption_build() {
        baseSettings = store.get();
        store->setValue("log/level", 3);
        store->setValue("log/digits", 5);
        store->setValue("log/gui/fontSize", 14);
        const QStringList before = stored();
        theme::apply_the_theme(theme::THEME_GREEN);
        LogConfig{7, INFO, {LOG_LEVEL_TAG | LOG_MICRO}}.write_to_logger();
        QList<uint> fired;
        QPointer<GDialogOption> dialog = new GDialogOption;
        dialog->listenerFontSize = [&](const unsigned& size) { fired << size; };
        dialog->ini();
        QStringList now;
        for (const char* row : {"Theme", "Log Level", "Digits", "Font Size"})
            now << combo(dialog, row)->currentText();
        for (QCheckBox* box : dialog->findChildren<QCheckBox*>())
            if (box->isChecked()) now << box->text();
        QCOMPARE(now, QStringList({"green", "INFO", "7", "14", "log level", "micro seconds"}));
        QVERIFY(fired.isEmpty());
        QCOMPARE(theme::get(), theme::THEME_GREEN);
        QCOMPARE(stored(), before);
        delete dialog;
    }

    // Steps: "<row label>=<item>" selects, "=+<text>" first adds the item (a text the dialog never
    // offers), "<box>=on|off" clicks a check box, and "OK" or "Cancel" end the dialog. The result is
    // the logger's level, digits and control bits, the theme, the sizes fired and the store.
    void dialogOption_edits_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("result");
        QTest::newRow("theme, Cancel") << QStringList{"Theme=dark", "Cancel"} << "3 4 990, 1, [], ui/theme=1";
        QTest::newRow("time off, OK")
            << QStringList{"time=off", "OK"} << "3 4 734, 0, [], log/control=734 log/digits=4 log/level=3";
        QTest::newRow("font, Cancel") << QStringList{"Font Size=12", "Cancel"} << "3 4 990, 0, [12], ";
        QTest::newRow("font, OK")
            << QStringList{"Font Size=12", "OK"}
            << "3 4 990, 0, [12], log/control=990 log/digits=4 log/gui/fontSize=12 log/level=3";
        QTest::newRow("log edits, OK") << QStringList{"Log Level=ERROR", "Digits=7", "micro seconds=on", "OK"}
                                       << "0 7 1022, 0, [], log/control=1022 log/digits=7 log/level=0";
        QTest::newRow("not numbers, OK")
            << QStringList{"Digits=+x", "Font Size=+12pt", "OK"}
            << "3 0 990, 0, [0], log/control=990 log/digits=0 log/gui/fontSize=0 log/level=3";
    }
    void dialogOption_edits() {
        QFETCH(QStringList, steps);
        QFETCH(QString, result);
        baseSettings = store.get();
        LogConfig{4, DEBUG, {LOG_CONTROL_FULL}}.write_to_logger(); // 990: all six flags but "micro seconds"
        QStringList fontSizes;
        QPointer<GDialogOption> dialog = new GDialogOption;
        dialog->ini();
        dialog->listenerFontSize = [&](const unsigned& size) { fontSizes << QString::number(size); };
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        for (const QString& step : steps) {
            const QString name = step.section('=', 0, 0);
            QString value = step.section('=', 1);
            if (auto* button = with_text<QPushButton>(*dialog, step)) {
                QTest::mouseClick(button, Qt::LeftButton);
            } else if (auto* box = with_text<QCheckBox>(*dialog, name)) {
                // On the indicator: a box wider than its text ignores clicks beside the text.
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
                QCOMPARE(box->isChecked(), value == "on");
            } else {
                QComboBox* c = combo(dialog, name);
                if (value.startsWith('+')) c->addItem(value = value.mid(1));
                c->setCurrentText(value);
                QCOMPARE(c->currentText(), value);
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog.isNull());
        QCOMPARE(QString("%1 %2 %3, %4, [%5], %6")
                     .arg(get_log_level())
                     .arg(get_log_digits())
                     .arg(get_control_bits())
                     .arg(theme::get())
                     .arg(fontSizes.join(' '), stored().join(' ')),
                 result);
    }

    // The bundle is there without anyone registering it: every picture and every icon of each theme's set
    // loads and draws something that is not just a filled square.
    void resources() {
        QStringList empty;
        int icons = 0, pictures = 0;
        for (QDirIterator it(":/wb", QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QString path = it.next();
            const QImage image = QIcon(path).pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
            icons += path.endsWith(".svg");
            pictures += path.endsWith(".jpg");
            int painted = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    painted += qAlpha(image.pixel(x, y)) > 0;
            if (painted <= image.width() ||
                (path.endsWith(".svg") && painted == image.width() * image.height()))
                empty << path;
        }
        QCOMPARE(empty, QStringList());
        QCOMPARE((QList<int>{icons, pictures}), (QList<int>{15, 6})); // five icons in each of three sets
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "1.5");
    BaseApp app(argc, argv);
    TstQt test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_qt.moc"
