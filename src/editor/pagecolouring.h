#pragma once

#include "colorsettings.h"
#include "tagclass.h"

#include <QList>
#include <QObject>
#include <QTextCharFormat>
#include <QTextLayout>

#include <array>

class QTextBlock;
class QTextDocument;

namespace lumaro {

/// One coloured tag of a page, or the part of it that lies in one block:
/// the characters from..to-1 (page positions) and the class whose colour and
/// attribute they show.
struct ShownTag {
    int from = 0;
    int to = 0;
    TagClass tagClass = TagClass::All;
    friend bool operator==(const ShownTag &, const ShownTag &) = default;
};

/// The tag colours of a page, worked out when a block is shown.
///
/// The page's document holds plain text; what a tag looks like is computed
/// from the text for the blocks on the screen and given to their layouts as
/// layout formats, so the document, its modified flag and its undo stack
/// never change because of colouring. The rule is the one of the colouring
/// document written on load: a tag runs from a "<" outside a tag to the next
/// ">", is classified by its first ten characters without the "</ADDRESS"
/// exception, and is shown only when such a ">" exists; text outside tags is
/// never coloured.
///
/// A block's formats are kept until an edit can have changed them: an edit
/// makes stale the blocks from the tag it falls in to the first ">" after it,
/// since after a ">" the page is outside any tag whatever came before. Where
/// a block starts inside a tag is remembered per block for the same reason,
/// so showing a block never scans more than back to the last ">".
class PageColouring : public QObject {
    Q_OBJECT
public:
    explicit PageColouring(QTextDocument *document);
    ~PageColouring() override;

    /// Takes new colouring settings; every block shows them when next shown.
    void setSettings(const ColorSettings &settings);
    /// Takes the settings when their colours or attributes differ from the
    /// ones in use; true when the look changed.
    bool follow(const ColorSettings &settings);
    const ColorSettings &settings() const { return m_settings; }
    /// True when tags show anything: usecolor or usefontattr is on.
    bool isActive() const { return m_settings.usecolor || m_settings.usefontattr; }

    /// The tags of block that show a colour or an attribute, cut to the block.
    QList<ShownTag> tagsOf(const QTextBlock &block) const;
    /// The same tags for the page positions from..to-1.
    QList<ShownTag> tagsIn(int from, int to) const;
    /// What a tag of the class shows, merged over the page's own format.
    const QTextCharFormat &formatOf(TagClass tagClass) const { return m_formats[int(tagClass)]; }
    /// True when the class shows anything with the current settings.
    bool shows(TagClass tagClass) const { return m_shows[int(tagClass)]; }

    /// Gives block the layout formats of its tags unless it has them already.
    void applyTo(const QTextBlock &block);
    /// The format the character at position is shown with: the document's
    /// default font, the character's own format and its tag's format.
    QTextCharFormat shownFormat(int position);

    /// Gives the text of copy, which holds the page from position from on,
    /// the tag formats as character formats: a copy that leaves the editor
    /// (printing, the clipboard) shows what the page shows.
    void formatCopy(QTextDocument &copy, int from) const;

signals:
    /// Blocks beyond the edited ones changed their look (a "<" or ">" typed
    /// or removed): the view should repaint.
    void lookChanged();

private:
    struct BlockState;
    void onContentsChange(int position, int removed, int added);
    BlockState *stateOf(const QTextBlock &block) const;
    BlockState *ensureState(const QTextBlock &block) const;
    /// Where block starts: -1 outside a tag, else the class of the open tag.
    int entryOf(const QTextBlock &block) const;
    /// The first ten characters of the page from offset of block on, a
    /// display-only break read as its blank.
    QString prefixAt(const QTextBlock &block, int offset) const;
    /// True when a ">" stands at or after position.
    bool closedAt(int position) const;
    void markStale(const QTextBlock &block) const;

    QTextDocument *m_document;
    ColorSettings m_settings;
    std::array<QTextCharFormat, kTagClassCount> m_formats;
    std::array<bool, kTagClassCount> m_shows{};
    /// Block formats and entries are current while their stamps match these.
    quint64 m_formatStamp = 1;
    quint64 m_entryStamp = 1;
    mutable int m_lastClose = -2; ///< position of the page's last ">", -2 unknown
};

} // namespace lumaro
