#include "wraptag.h"

namespace lumaro {

const QList<WrapTag::Command> &WrapTag::commands()
{
    static const QList<Command> list = [] {
        QList<Command> l;
        auto add = [&l](const char *component, const char *tag, Dialog dialog) {
            l.append({QString::fromLatin1(component), QString::fromLatin1(tag), dialog});
        };
        add("SpeedButton48", "B", Dialog::Bold);
        add("SpeedButton68", "I", Dialog::Italic);
        add("SpeedButton69", "U", Dialog::Underline);
        add("SpeedButton2", "CENTER", Dialog::Center);
        add("SpeedButton79", "STRONG", Dialog::Phrase);
        add("SpeedButton80", "ADDRESS", Dialog::Phrase);
        add("SpeedButton81", "CITE", Dialog::Phrase);
        add("SpeedButton82", "DFN", Dialog::Phrase);
        add("SpeedButton83", "EM", Dialog::Phrase);
        add("SpeedButton84", "S", Dialog::Phrase);
        add("SpeedButton85", "STRIKE", Dialog::Phrase);
        add("SpeedButton87", "BLOCKQUOTE", Dialog::Phrase);
        add("SpeedButton86", "PLAINTEXT", Dialog::Phrase);
        add("SpeedButton88", "CODE", Dialog::Phrase);
        add("SpeedButton89", "SAMP", Dialog::Phrase);
        add("SpeedButton90", "LISTING", Dialog::Phrase);
        add("SpeedButton91", "PRE", Dialog::Phrase);
        add("SpeedButton92", "TT", Dialog::Phrase);
        add("SpeedButton93", "XMP", Dialog::Phrase);
        add("SpeedButton94", "VAR", Dialog::Phrase);
        add("SpeedButton95", "KBD", Dialog::Phrase);
        return l;
    }();
    return list;
}

const WrapTag::Command *WrapTag::byComponent(const QString &component)
{
    for (const Command &c : commands()) {
        if (c.component == component)
            return &c;
    }
    return nullptr;
}

} // namespace lumaro
