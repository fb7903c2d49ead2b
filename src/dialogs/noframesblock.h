#pragma once

#include <QString>

namespace lumaro {

/// The NOFRAMES element: the text shown by browsers without frames.
class NoFramesBlock {
public:
    /// A selection put between the tags as it is, no line breaks added.
    static QString wrap(const QString &selected);
    /// The no-frames dialog's result: the start tag, each line of the text
    /// box, and the end tag, each followed by CR LF.
    static QString build(const QString &memoText);
};

} // namespace lumaro
