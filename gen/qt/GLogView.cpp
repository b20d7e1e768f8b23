#include "gen/qt/GLogView.h"

#include "gen/GLog.h"
#include "gen/qt/GGui.h"

#include <QBrush>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace gen::qt {

namespace {

constexpr int kLighterError = 150;
constexpr int kLighterPale = 180;
constexpr int kLighterDebug = 120;
constexpr int kDarker = 200;
const QColor kGreenDebugBackground(0x19, 0x28, 0x19); // "#192819"
constexpr int kUsedBlock = 1;
// Characters of dropped lines after which freed memory goes back to the system:
// 2 MiB of text, a quarter of a full view at the panel's default limit, so the
// resident size swings by a few MiB and the release costs about 1 ms.
constexpr qint64 kReleaseAfterChars = 1024 * 1024;
// After a burst, less is worth a release: the resident size then settles at
// what the kept lines need instead of wherever the last release left it.
constexpr qint64 kReleaseWhenIdleChars = 64 * 1024;

// A view at its limit frees as much as it allocates, but once glibc has raised
// its mmap threshold (freeing the document's large buffers makes it do so) the
// freed heap pages stay resident and the process grows by tens of MiB.
void release_free_memory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

} // namespace

GLogView::GLogView(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    // Nobody edits a log: an undo stack would only keep a second copy of every line.
    setUndoRedoEnabled(false);

    using log::DEBUG;
    using log::ERROR;
    using log::INFO;
    using log::WARN;
    const QColor red(Qt::red);
    const QColor yellow(Qt::yellow);
    const QColor green(Qt::green);

    textColors = {{{{ERROR, Qt::black}, {WARN, Qt::black}, {INFO, Qt::black}, {DEBUG, Qt::black}},
                   {{ERROR, Qt::white}, {WARN, Qt::black}, {INFO, Qt::lightGray}, {DEBUG, Qt::lightGray}},
                   {{ERROR, Qt::black}, {WARN, Qt::black}, {INFO, Qt::black}, {DEBUG, Qt::white}}}};
    lineColors = {{{{ERROR, red.lighter(kLighterError)},
                    {WARN, yellow.lighter(kLighterPale)},
                    {INFO, green.lighter(kLighterPale)},
                    {DEBUG, QColor(Qt::lightGray).lighter(kLighterDebug)}},
                   {{ERROR, red.darker(kDarker)},
                    {WARN, yellow.darker(kDarker)},
                    {INFO, green.darker(kDarker)},
                    {DEBUG, Qt::black}},
                   {{ERROR, red.lighter(kLighterError)},
                    {WARN, yellow.lighter(kLighterPale)},
                    {INFO, green.lighter(kLighterPale)},
                    {DEBUG, kGreenDebugBackground}}}};
}

GLogView::~GLogView() = default;

// Themes beyond the tables show white on black.
QColor GLogView::text_color(int level) const {
    return theme < textColors.size() ? textColors[theme].value(level, Qt::white) : QColor(Qt::white);
}

QColor GLogView::line_background(int level) const {
    return theme < lineColors.size() ? lineColors[theme].value(level, Qt::black) : QColor(Qt::black);
}

void GLogView::append_one(QTextCursor& cursor, const QString& line, int level) {
    QTextCharFormat charFormat;
    charFormat.setForeground(QBrush(text_color(level)));
    QTextBlockFormat blockFormat;
    blockFormat.setBackground(QBrush(line_background(level)));

    const QTextDocument* doc = document();
    // A fresh or cleared view has one unused block: the first line goes into
    // it. The mark tells a used block from one holding an empty line.
    if (doc->blockCount() == 1 && doc->firstBlock().userState() != kUsedBlock)
        cursor.setBlockFormat(blockFormat);
    else
        cursor.insertBlock(blockFormat);
    cursor.block().setUserState(kUsedBlock);
    cursor.insertText(line, charFormat);
}

// The document would cut the oldest blocks itself after the edit, but it walks
// to the cut block by block and lays out every block it passes, on every
// append once the view is full. A cut by position lays out nothing; made
// before the append and not in its edit block, both changes stay small for
// the layout, which otherwise would revisit every block in between.
void GLogView::make_room(int lines) {
    QTextDocument* doc = document();
    const int excess = doc->blockCount() + lines - maximumBlockCount();
    // With as many new lines as the limit, nothing old is kept: the document's
    // own cut then walks over that many blocks, few under such a limit.
    if (maximumBlockCount() <= 0 || excess <= 0 || excess >= doc->blockCount()) return;
    const int firstKept = doc->findBlockByNumber(excess).position();
    QTextCursor cut(doc);
    cut.setPosition(firstKept, QTextCursor::KeepAnchor);
    cut.removeSelectedText();
    droppedChars += firstKept;
    if (droppedChars >= kReleaseAfterChars) {
        droppedChars = 0;
        release_free_memory();
    }
}

void GLogView::release_dropped() {
    if (droppedChars < kReleaseWhenIdleChars) return;
    droppedChars = 0;
    release_free_memory();
}

void GLogView::append_line(const QString& line, int level) {
    append_lines({LogEntry{line, level}});
}

void GLogView::append_lines(const QList<LogEntry>& entries) {
    if (entries.isEmpty()) return;
    make_room(static_cast<int>(entries.size()));
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    // One edit block: the document is laid out once for the whole batch.
    cursor.beginEditBlock();
    for (const LogEntry& entry : entries)
        append_one(cursor, entry.line, entry.level);
    cursor.endEditBlock();
    setTextCursor(cursor);
    horizontalScrollBar()->setValue(0);
}

void GLogView::adapt_to_settings(unsigned int th) {
    theme = th;
    // The background of DEBUG lines; theme 0's for a theme beyond the tables.
    set_background(this, lineColors[th < lineColors.size() ? th : 0].value(log::DEBUG));
}

} // namespace gen::qt
