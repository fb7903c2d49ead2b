#pragma once

#include <QKeyCombination>
#include <QString>
#include <optional>

namespace lumaro {

/// Stored shortcut keys and Qt keys. A stored key keeps the Windows shortcut
/// value, so files move between systems unchanged: the virtual-key code in
/// the low byte, 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt. The table covers
/// letters, digits, F1-F24, the navigation and editing keys, the keypad and
/// the US punctuation keys; a shifted symbol ("!", "?") is its unshifted key
/// with Shift. A value outside the table is kept in the file but never bound.
class ShortcutKey {
public:
    static constexpr quint16 kShift = 0x2000;
    static constexpr quint16 kCtrl = 0x4000;
    static constexpr quint16 kAlt = 0x8000;

    /// The Qt combination of a stored value; empty when it is unmapped.
    static std::optional<QKeyCombination> toQt(quint16 stored);
    /// The stored value of a Qt combination; empty when it has no Windows
    /// value (Meta, keys outside the table).
    static std::optional<quint16> fromQt(QKeyCombination combination);

    /// The grid's text: Qt's portable text ("Ctrl+B"); an unmapped value as
    /// its number ("0x0C07"); empty for no key.
    static QString text(quint16 stored);

    static bool hasCtrlOrAlt(quint16 stored) { return stored & (kCtrl | kAlt); }
    /// Mapped and held with Ctrl or Alt: a key that can be bound without
    /// taking over typing.
    static bool bindable(quint16 stored);
    /// Keys the main window keeps for its own commands: the menu keys
    /// Ctrl+N, O, S, X, C, V, R, F4, the menu bar's Alt+F, E, P, H, and Enter
    /// held with Ctrl or Alt (the page's line-break and paragraph keys).
    static bool reserved(quint16 stored);
    /// Keys the page editor uses itself (undo and redo, select all, moving
    /// and selecting by word and to the ends of the text, copy by Ctrl+Insert,
    /// deleting by word): a new shortcut may not take them. A shortcut file
    /// that binds one still works, the page lets bound keys through.
    static bool editorKey(quint16 stored);
};

} // namespace lumaro
