#pragma once

#include <QList>
#include <QString>

namespace lumaro {

class tregini;

/// The text attributes of a tag class as the three boxes "Bold", "Italic"
/// and "Underlined" show them. The attribute index is not a bit mask: 3 is
/// underlined alone, 4 bold and italic, 6 italic and underlined.
struct TextAttributes {
    bool bold = false;
    bool italic = false;
    bool underlined = false;

    /// The boxes of an attribute index 0..7; any other index ticks none.
    static TextAttributes fromIndex(int index);
    int index() const;

    friend bool operator==(const TextAttributes &, const TextAttributes &) = default;
};

/// A tag class of the colour tab: its settings name and its list caption.
struct TagClassEntry {
    QString name;    ///< "anchor"
    QString caption; ///< "Anchor"
};

/// The settings the preferences dialog writes when it closes with OK, read
/// and written through the settings store. (The colours, attributes and the
/// font are written while the dialog is open, for its sample pane.)
struct Preferences {
    static constexpr int kMinMinutes = 1;
    /// The longest autosave interval a timer can count in milliseconds.
    static constexpr int kMaxMinutes = 35791;

    bool wordwrap = false;
    bool convsave = false;
    bool autosave = true;
    int minutes = 5;
    QString browser;
    bool usecolor = false;
    bool usefontattr = false;

    static Preferences read(const tregini &settings);
    void write(tregini &settings) const;
    /// Writes like write(), but the autosave values only when the choice
    /// differs from what ran before (as read): OK without a change keeps a
    /// stored time of 0 or a text that is no number.
    void write(tregini &settings, const Preferences &before) const;

    /// The autosave minutes of a stored text: a number below 1 or no number
    /// gives 5 (a zero interval would save without pause); larger numbers
    /// than a timer can count are cut to kMaxMinutes.
    /// "Use autosave" shows what runs: the stored flag with a stored time
    /// that is a number of at least 1 minute.
    static int minutesFrom(const QString &text);

    /// A program path as the browser setting holds it: quoted when it
    /// contains a blank, so the command line keeps it whole.
    static QString quotedProgram(const QString &path);
    /// The "Browse" dialog's filter: programs on Windows, any file elsewhere.
    static QString browserFilter(bool windows);

    /// The five tag classes in list order.
    static const QList<TagClassEntry> &tagClasses();

    friend bool operator==(const Preferences &, const Preferences &) = default;

private:
    void write(tregini &settings, bool withAutosave) const;
};

} // namespace lumaro
