#pragma once

#include <QString>

namespace lumaro {

/// The fields of the frame dialog: one FRAME tag (it has no end tag).
struct FrameTag {
    enum class Scrolling { Yes, No, Auto };

    QString name;
    QString src;
    Scrolling scrolling = Scrolling::Yes;  ///< Auto writes no SCROLLING
    bool noResize = false;
    QString marginWidth = QStringLiteral("0");    ///< "0" is left out
    QString marginHeight = QStringLiteral("0");   ///< "0" is left out
    QString frameBorder = QStringLiteral("-1");   ///< "-1" is left out
    /// Set by any non-empty tag text: no line break is added after the tag.
    bool editExisting = false;

    /// Resets to the defaults and reads any non-empty text as a FRAME tag;
    /// a decoded frame without a SCROLLING of YES or NO scrolls "AUTO".
    void decode(const QString &tagText);
    /// The FRAME tag, every attribute followed by a blank, values in double
    /// quotes, defaults left out; a new frame ends with a line break.
    QString build() const;

    bool operator==(const FrameTag &) const = default;
};

} // namespace lumaro
