#pragma once

#include <QString>
#include <QStringView>

namespace lumaro {

/// The tag classes of the colouring engine. Each class has its own colour
/// index and attribute index in the settings, under "editor\<name>".
enum class TagClass { Anchor = 0, Center = 1, Image = 2, Marquee = 3, All = 4 };

constexpr int kTagClassCount = 5;

/// Classification of a piece of markup by its leading characters.
///
/// The prefixes are tested in class order and compared case-sensitively, so a
/// lower-case tag always falls into "all". Prefixes without the opening angle
/// bracket apply to a range that begins just after its "<".
class TagClassifier {
public:
    /// The settings name of a class: "anchor", "center", "image", "marquee", "all".
    static QString name(TagClass tagClass);

    /// The class of a text that begins a tag. With addressException, a text
    /// that begins with "</ADDRESS" is not taken as an anchor (it then ends
    /// as "all"); the load path classifies without that exception.
    static TagClass classify(QStringView text, bool addressException);
};

} // namespace lumaro
