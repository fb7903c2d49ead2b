#pragma once

#include <QList>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>

#include "linesplitter.h"

#include <memory>

class QTextBlock;
class QTextCursor;
class QTextDocument;

namespace lumaro {

/// The display-only breaks of a page document.
///
/// A long line is held as several blocks (see LineSplitter); each break
/// between two of them stands in for one blank of the line, so positions are
/// those of the page. The block after such a break carries a number in its
/// block format that no other break has. Qt copies a block's format to the
/// block a new break creates, so a block whose number equals the one before
/// it follows a real break; every insert made here gives new blocks a clean
/// format anyway, and a merge keeps the first block's format, so deleting
/// and undoing keep the marks right.
///
/// Everything that reads the page through this class gets the page's own
/// text: a display-only break reads as the blank it replaced.
class SoftBreaks {
public:
    explicit SoftBreaks(QTextDocument *document);
    ~SoftBreaks();
    SoftBreaks(const SoftBreaks &) = delete;
    SoftBreaks &operator=(const SoftBreaks &) = delete;

    /// The block format property holding a break's number.
    static constexpr int markProperty = QTextFormat::UserProperty + 0x4c42;

    /// True when the break before block is display-only.
    static bool isSoft(const QTextBlock &block);
    /// Replaces every display-only break of document with its blank, for a
    /// copy that leaves the editor (printing, the clipboard).
    static void joinAll(QTextDocument &document);

    /// Marks the breaks at points, the positions of the blanks the caller
    /// turned into breaks when it put the text into the document (see
    /// LineSplitter::splitPoints); not an edit of its own.
    void markBreaks(const QList<int> &points);
    /// Inserts text (line breaks "\n") at the cursor with format: its line
    /// breaks are real ones with a clean block format, and long lines it
    /// makes are split.
    void insertText(QTextCursor &cursor, const QString &text, const QTextCharFormat &format,
                    LineSplitter::Sizes sizes);
    /// Splits the blocks from..to (positions) that grew longer than
    /// sizes.longest, joined to the last edit. Returns true when it changed
    /// anything.
    bool splitLong(int from, int to, LineSplitter::Sizes sizes);

    /// False while no block of the document was ever split: every block is
    /// then a line, and the answers below are the document's own.
    bool anySplit() const;

    /// Lines of the page: blocks joined across display-only breaks.
    int lineCount() const;
    int lineFromPosition(int position) const;
    /// Position of the first character of line, -1 when there is none.
    int lineStart(int line) const;
    /// Position just after the last character of the line holding position.
    int lineEnd(int position) const;
    /// True when position is just after a real line break.
    bool afterLineBreak(int position) const;

    /// The page text with "\n" for the document's paragraph breaks, other
    /// characters (line separators too) as the document holds them.
    QString text() const;
    /// The page text from..to in the same form.
    QString text(int from, int to) const;
    /// Positions of the display-only breaks between from and to.
    QList<int> softPositions(int from, int to) const;

private:
    struct Index;
    const Index &index() const;
    QTextBlockFormat markFormat(const QTextBlockFormat &base);

    QTextDocument *m_document;
    std::unique_ptr<Index> m_index;
};

} // namespace lumaro
