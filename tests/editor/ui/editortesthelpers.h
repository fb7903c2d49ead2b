#pragma once

// Helpers shared by the page editor tests: reading back the format of a
// character and setting up the colouring settings.

#include "testsandbox.h"
#include "thtmlrichedit.h"
#include "tregini.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace lumaro::test {

/// What a character looks like: colour, style, face and size.
struct CharLook {
    QColor color;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QString family;
    double size = 0;
    friend bool operator==(const CharLook &, const CharLook &) = default;
};

inline CharLook lookOf(const QTextCharFormat &f)
{
    CharLook look;
    look.color = f.foreground().style() == Qt::NoBrush ? QColor() : f.foreground().color();
    look.bold = f.fontWeight() >= QFont::Bold;
    look.italic = f.fontItalic();
    look.underline = f.fontUnderline();
    const QStringList families = f.fontFamilies().toStringList();
    look.family = families.isEmpty() ? QString() : families.first();
    look.size = f.fontPointSize();
    return look;
}

/// The format of the character at position (not a line break).
inline QTextCharFormat formatAt(const QTextDocument *document, int position)
{
    QTextCursor c(const_cast<QTextDocument *>(document));
    c.setPosition(position);
    c.setPosition(position + 1, QTextCursor::KeepAnchor);
    return c.charFormat();
}

/// The look of the character at position as the page shows it: the tag
/// colours are layout formats over the text's own format.
inline QTextCharFormat formatAt(const thtmlrichedit &editor, int position)
{
    return editor.shownFormat(position);
}

inline QColor colorAt(const thtmlrichedit &editor, int position)
{
    return lookOf(formatAt(editor, position)).color;
}

inline bool boldAt(const thtmlrichedit &editor, int position)
{
    return lookOf(formatAt(editor, position)).bold;
}

/// Colours of the characters from..to-1 all equal to color.
inline ::testing::AssertionResult allColored(const thtmlrichedit &editor, int from, int to, const QColor &color)
{
    for (int i = from; i < to; ++i) {
        const QColor c = colorAt(editor, i);
        if (c != color)
            return ::testing::AssertionFailure()
                << "character " << i << " '" << editor.document()->characterAt(i).toLatin1() << "' has colour "
                << c.name().toStdString() << ", expected " << color.name().toStdString();
    }
    return ::testing::AssertionSuccess();
}

/// A colour that is not a tag colour: default text (black or no colour).
inline bool isPlain(const QColor &c)
{
    return !c.isValid() || c == QColor(Qt::black);
}

inline ::testing::AssertionResult allPlain(const thtmlrichedit &editor, int from, int to)
{
    for (int i = from; i < to; ++i) {
        if (!isPlain(colorAt(editor, i)))
            return ::testing::AssertionFailure()
                << "character " << i << " is coloured " << colorAt(editor, i).name().toStdString();
    }
    return ::testing::AssertionSuccess();
}

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);

/// Fixture base: default settings, then colouring switched on or off.
class EditorFixture : public ::testing::Test {
protected:
    void SetUp() override { TestSandbox::clearSettings(); }
    static void colouring(bool on, bool attributes = false)
    {
        tregini store;
        store.writeusecolor(on);
        store.writeusefontattr(attributes);
    }
    /// Colour and attribute indices that tell the classes apart: anchors red
    /// bold underlined, pictures grey bold italic, other tags italic.
    static void distinctClasses()
    {
        tregini store;
        store.writecolorindex(QStringLiteral("anchor"), 9);
        store.writecolorindex(QStringLiteral("image"), 7);
        store.writefontattrindex(QStringLiteral("anchor"), 5);
        store.writefontattrindex(QStringLiteral("image"), 4);
        store.writefontattrindex(QStringLiteral("all"), 2);
    }
    /// A page editor holding text (loaded as a file would be), caret at 0.
    static void load(thtmlrichedit &editor, const QString &text)
    {
        QString error;
        ASSERT_TRUE(editor.loadcoloredText(text, &error)) << error.toStdString();
    }
};

} // namespace lumaro::test
