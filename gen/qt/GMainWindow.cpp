#include "gen/qt/GMainWindow.h"

#include "gen/GFormat.h"
#include "gen/GLog.h"
#include "gen/GStr.h"
#include "gen/qt/dialogs/GDialogOption.h"
#include "gen/qt/GMainPanel.h"
#include "gen/qt/GPanelLog.h"
#include "gen/tools/GSettings.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QMimeData>
#include <QResizeEvent>
#include <QUrl>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace gen::qt {

namespace {
constexpr unsigned int kPathIndent = 4;
// Files are read piece by piece, so their size never limits the memory used.
constexpr qint64 kReadChunkBytes = 64 * 1024;
} // namespace

GMainWindow::GMainWindow(QWidget* parent, Qt::WindowFlags flags) : QMainWindow(parent, flags) {
    listenerFirstResize.set_context(this);
    setAcceptDrops(true);
}

GMainWindow::~GMainWindow() {
    pp("GMainWindow::~GMainWindow");
}

GMainPanel* GMainWindow::create_main_panel(GLAYOUT layout) {
    mainPanel = new GMainPanel(layout);
    setCentralWidget(mainPanel);
    return mainPanel;
}

void GMainWindow::save_state() {
    pp("GMainWindow::save_state");
}

void GMainWindow::restore_state() {
    pp("GMainWindow::restore_state");
}

GPanelLog* GMainWindow::get_panel_log() {
    return nullptr;
}

void GMainWindow::on_options() {
    pp("GMainWindow::on_options");
    auto* dialog = new GDialogOption(this, {});
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->ini();
    dialog->setModal(true);
    dialog->show();
    // The dialog is a child of this window, so it never outlives `this`.
    dialog->listenerFontSize = [this](const unsigned int& fontSize) {
        pp("GMainWindow::on_options, fontSize:$", fontSize);
        if (GPanelLog* panelLog = get_panel_log()) panelLog->set_font_size(static_cast<int>(fontSize));
    };
}

void GMainWindow::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    if (firstResizeDone) return;
    firstResizeDone = true;
    listenerFirstResize.fire_event(0, FIRE_EVENT::QUEUED);
}

void GMainWindow::closeEvent(QCloseEvent* e) {
    pp("GMainWindow::closeEvent");
    if (onClose) onClose();
    e->accept();
    if (baseSettings) save_state();
}

void GMainWindow::dragEnterEvent(QDragEnterEvent* e) {
    if (!e->mimeData()->hasUrls()) return;
    e->acceptProposedAction();
    pp("GMainWindow::dragEnterEvent, URLs");
}

void GMainWindow::dropEvent(QDropEvent* e) {
    const QMimeData* mime = e->mimeData();
    if (!mime->hasUrls()) {
        e->acceptProposedAction();
        return;
    }
    const QList<QUrl> urls = mime->urls();
    pp("GMainWindow::dropEvent, urls:$", urls.size());
    // A file name may hold a line break, which would start a forged log line.
    for (const QUrl& url : urls)
        pp(str::xprintF(kPathIndent, "GMainWindow::dropEvent, <<<$>>>",
                        str::escape_controls(url.toLocalFile())));
    e->acceptProposedAction();
}

extern "C" void on_file_dropped(const char* sPath, int bytes) {
    const QString name = QString::fromUtf8(sPath);
    // Logged escaped, as one line; a null path reaches the formatter as null.
    const std::string escaped = str::to_utf8(str::escape_controls(name));
    const char* logged = sPath ? escaped.c_str() : nullptr;
    pp("on_file_dropped, sPath:$, bytes:$", logged, bytes);
    QFile file(name);
    // A device or a pipe could block the open or never end; only plain files are read.
    if (!QFileInfo(name).isFile() || !file.open(QIODevice::ReadOnly)) {
        pp("ERROR opening $", logged);
        return;
    }
    std::vector<char> chunk(static_cast<std::size_t>(kReadChunkBytes));
    std::int64_t total = 0;
    for (qint64 got = 0; (got = file.read(chunk.data(), kReadChunkBytes)) > 0;)
        total += got;
    pp("read $ bytes from $", str::format_str_1000(std::to_string(total)), logged);
}

} // namespace gen::qt
