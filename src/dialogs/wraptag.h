#pragma once

#include <QList>
#include <QString>

namespace lumaro {

/// The commands that put a pair of tags around text: bold, italic,
/// underline, center and the seventeen phrase and font-style tags.
class WrapTag {
public:
    /// Which small text dialog a command shows when nothing is selected.
    enum class Dialog { Bold, Italic, Underline, Center, Phrase };

    struct Command {
        QString component;  ///< toolbar component name, e.g. "SpeedButton48"
        QString tagName;    ///< upper-case tag name, e.g. "B"
        Dialog dialog;
    };

    /// Every wrap command, in toolbar order.
    static const QList<Command> &commands();
    /// The command of a component name, or nullptr.
    static const Command *byComponent(const QString &component);

    static QString startTag(const QString &tagName) { return QLatin1Char('<') + tagName + QLatin1Char('>'); }
    static QString endTag(const QString &tagName) { return QStringLiteral("</") + tagName + QLatin1Char('>'); }
    /// Start tag + text + end tag.
    static QString wrap(const QString &tagName, const QString &text)
    {
        return startTag(tagName) + text + endTag(tagName);
    }
};

} // namespace lumaro
