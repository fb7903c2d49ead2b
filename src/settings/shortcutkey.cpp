#include "shortcutkey.h"

#include <algorithm>

#include <QKeySequence>

#include <array>
#include <string_view>

namespace lumaro {

namespace {

struct KeyPair {
    quint8 vk;
    Qt::Key key;
};

constexpr quint8 kVkReturn = 0x0D;

// Keys outside the contiguous ranges (digits, letters, F-keys) and the keypad.
constexpr std::array<KeyPair, 26> kNamedKeys{{
    {0x08, Qt::Key_Backspace}, {0x09, Qt::Key_Tab},         {0x0C, Qt::Key_Clear},
    {kVkReturn, Qt::Key_Return}, {0x13, Qt::Key_Pause},     {0x1B, Qt::Key_Escape},
    {0x20, Qt::Key_Space},     {0x21, Qt::Key_PageUp},      {0x22, Qt::Key_PageDown},
    {0x23, Qt::Key_End},       {0x24, Qt::Key_Home},        {0x25, Qt::Key_Left},
    {0x26, Qt::Key_Up},        {0x27, Qt::Key_Right},       {0x28, Qt::Key_Down},
    {0x2C, Qt::Key_Print},     {0x2D, Qt::Key_Insert},      {0x2E, Qt::Key_Delete},
    // US punctuation (the OEM keys).
    {0xBA, Qt::Key_Semicolon}, {0xBB, Qt::Key_Equal},       {0xBC, Qt::Key_Comma},
    {0xBD, Qt::Key_Minus},     {0xBE, Qt::Key_Period},      {0xBF, Qt::Key_Slash},
    {0xC0, Qt::Key_QuoteLeft}, {0xDB, Qt::Key_BracketLeft},
}};
constexpr std::array<KeyPair, 3> kMoreNamedKeys{{
    {0xDC, Qt::Key_Backslash}, {0xDD, Qt::Key_BracketRight}, {0xDE, Qt::Key_Apostrophe},
}};

// The keypad's operators; its digits are 0x60..0x69.
constexpr std::array<KeyPair, 6> kKeypad{{
    {0x6A, Qt::Key_Asterisk}, {0x6B, Qt::Key_Plus},   {0x6C, Qt::Key_Comma},
    {0x6D, Qt::Key_Minus},    {0x6E, Qt::Key_Period}, {0x6F, Qt::Key_Slash},
}};

// What a shifted symbol is typed with on a US keyboard.
constexpr std::array<KeyPair, 21> kShifted{{
    {'1', Qt::Key_Exclam},     {'2', Qt::Key_At},         {'3', Qt::Key_NumberSign},
    {'4', Qt::Key_Dollar},     {'5', Qt::Key_Percent},    {'6', Qt::Key_AsciiCircum},
    {'7', Qt::Key_Ampersand},  {'8', Qt::Key_Asterisk},   {'9', Qt::Key_ParenLeft},
    {'0', Qt::Key_ParenRight}, {0xBA, Qt::Key_Colon},     {0xBB, Qt::Key_Plus},
    {0xBC, Qt::Key_Less},      {0xBD, Qt::Key_Underscore}, {0xBE, Qt::Key_Greater},
    {0xBF, Qt::Key_Question},  {0xC0, Qt::Key_AsciiTilde}, {0xDB, Qt::Key_BraceLeft},
    {0xDC, Qt::Key_Bar},       {0xDD, Qt::Key_BraceRight}, {0xDE, Qt::Key_QuoteDbl},
}};

template <std::size_t N> std::optional<Qt::Key> keyOf(const std::array<KeyPair, N> &table, quint8 vk)
{
    for (const KeyPair &p : table)
        if (p.vk == vk)
            return p.key;
    return std::nullopt;
}

template <std::size_t N> std::optional<quint8> vkOf(const std::array<KeyPair, N> &table, Qt::Key key)
{
    for (const KeyPair &p : table)
        if (p.key == key)
            return p.vk;
    return std::nullopt;
}

std::optional<Qt::Key> plainKey(quint8 vk)
{
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        return Qt::Key(vk);
    if (vk >= 0x70 && vk <= 0x87)
        return Qt::Key(Qt::Key_F1 + (vk - 0x70));
    if (auto key = keyOf(kNamedKeys, vk))
        return key;
    return keyOf(kMoreNamedKeys, vk);
}

std::optional<quint8> plainVk(Qt::Key key)
{
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return quint8(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return quint8(0x70 + (key - Qt::Key_F1));
    if (key == Qt::Key_Enter)
        return kVkReturn;
    if (auto vk = vkOf(kNamedKeys, key))
        return vk;
    return vkOf(kMoreNamedKeys, key);
}

} // namespace

std::optional<QKeyCombination> ShortcutKey::toQt(quint16 stored)
{
    const quint8 vk = stored & 0xFF;
    // Bits 8..12 are no modifier of the Windows value.
    if (vk == 0 || (stored & 0x1F00))
        return std::nullopt;
    Qt::KeyboardModifiers modifiers;
    if (stored & kShift)
        modifiers |= Qt::ShiftModifier;
    if (stored & kCtrl)
        modifiers |= Qt::ControlModifier;
    if (stored & kAlt)
        modifiers |= Qt::AltModifier;
    if (vk >= 0x60 && vk <= 0x69)
        return QKeyCombination(modifiers | Qt::KeypadModifier, Qt::Key(Qt::Key_0 + (vk - 0x60)));
    if (auto key = keyOf(kKeypad, vk))
        return QKeyCombination(modifiers | Qt::KeypadModifier, *key);
    if (auto key = plainKey(vk))
        return QKeyCombination(modifiers, *key);
    return std::nullopt;
}

std::optional<quint16> ShortcutKey::fromQt(QKeyCombination combination)
{
    const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
    if (modifiers & (Qt::MetaModifier | Qt::GroupSwitchModifier))
        return std::nullopt;
    quint16 bits = 0;
    if (modifiers & Qt::ShiftModifier)
        bits |= kShift;
    if (modifiers & Qt::ControlModifier)
        bits |= kCtrl;
    if (modifiers & Qt::AltModifier)
        bits |= kAlt;
    const Qt::Key key = combination.key();
    if (key == Qt::Key_Backtab)
        return quint16(bits | kShift | 0x09);
    if (modifiers & Qt::KeypadModifier) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9)
            return quint16(bits | (0x60 + (key - Qt::Key_0)));
        if (auto vk = vkOf(kKeypad, key))
            return quint16(bits | *vk);
        // Keypad navigation keys (Num Lock off) and Enter are the plain keys.
    }
    if (auto vk = plainVk(key))
        return quint16(bits | *vk);
    if (auto vk = vkOf(kShifted, key))
        return quint16(bits | kShift | *vk);
    return std::nullopt;
}

QString ShortcutKey::text(quint16 stored)
{
    if (stored == 0)
        return {};
    if (const auto combination = toQt(stored))
        return QKeySequence(*combination).toString(QKeySequence::PortableText);
    return QStringLiteral("0x") + QStringLiteral("%1").arg(stored, 4, 16, QLatin1Char('0')).toUpper();
}

bool ShortcutKey::bindable(quint16 stored)
{
    return hasCtrlOrAlt(stored) && toQt(stored).has_value();
}

bool ShortcutKey::reserved(quint16 stored)
{
    const quint8 vk = stored & 0xFF;
    const quint16 modifiers = stored & 0xFF00;
    if (vk == kVkReturn)
        return hasCtrlOrAlt(stored);
    if (modifiers == kCtrl)
        return std::string_view("NOSXCVR").find(char(vk)) != std::string_view::npos || vk == 0x73; // 0x73: F4
    if (modifiers == kAlt)
        return std::string_view("FEPH").find(char(vk)) != std::string_view::npos;
    return false;
}

bool ShortcutKey::editorKey(quint16 stored)
{
    // Virtual-key codes: Backspace, End, Home, the four arrows, Insert, Delete.
    static constexpr quint8 kMoving[] = {0x08, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x2D, 0x2E};
    const quint8 vk = stored & 0xFF;
    const quint16 modifiers = stored & 0xFF00;
    const bool moving = std::find(std::begin(kMoving), std::end(kMoving), vk) != std::end(kMoving);
    if (modifiers == kCtrl)
        return moving || vk == 'Z' || vk == 'Y' || vk == 'A';
    if (modifiers == (kCtrl | kShift))
        return (moving && vk != 0x08 && vk != 0x2D && vk != 0x2E) || vk == 'Z';
    return false;
}

} // namespace lumaro
