#pragma once

#include <QList>
#include <QWidget>

class QToolButton;

namespace lumaro {

class PageHost;

/// The special characters palette of the main window's side panel: two
/// buttons that convert the active page between characters and entities,
/// and 55 letter buttons (lower case left, upper case right) that put the
/// entity of their letter in place of the active page's selection.
class Tspeccharform : public QWidget {
    Q_OBJECT
public:
    static constexpr int kButtonSize = 25;

    Tspeccharform(PageHost &host, QWidget *parent = nullptr);

    QToolButton *charToTagsButton() const { return m_charToTags; }
    QToolButton *tagsToCharButton() const { return m_tagsToChar; }
    /// The letter buttons, left column top to bottom, then the right one.
    const QList<QToolButton *> &letterButtons() const { return m_letters; }

    // Event handlers.
    /// "Character -> Tags": characters to entities in the active page.
    void chartiltagsClick();
    /// "Tags -> Character": entities to characters in the active page.
    void tagstilcharClick();
    /// A letter button: its entity replaces the active page's selection.
    void letterClick(int index);

    /// The picture of a letter button.
    static QIcon letterIcon(const QString &letter);

private:
    QToolButton *makeButton(const QIcon &icon, const QString &hint, int x, int y);

    PageHost &m_host;
    QToolButton *m_charToTags;
    QToolButton *m_tagsToChar;
    QList<QToolButton *> m_letters;
};

} // namespace lumaro
