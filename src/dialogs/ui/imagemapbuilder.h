#pragma once

#include <QImage>
#include <QString>
#include <optional>

class QWidget;

namespace lumaro {

/// What the image dialog hands the map builder when "MAP Builder" is pressed.
struct MapBuildRequest {
    /// The picture picked through the link builder; null when there is none.
    QImage picture;
    /// The text of the image dialog's image field.
    QString imageFileName;
    /// The MAP markup cut from a decoded tag; empty when none.
    QString mapText;
    /// Set when mapText came from a decoded tag and is to be read back.
    bool mapGiven = false;
};

/// What the map builder hands back on OK.
struct MapBuildResult {
    /// Inline MAP markup, or the map file's path when external is set.
    QString mapText;
    bool external = false;
    /// The map's name (the USEMAP reference is "#" + name for an inline map).
    QString mapName;
};

/// The one call the image dialog makes to the map builder. Nothing carries
/// over from one call to the next: every call starts from its request.
class ImageMapBuilder {
public:
    virtual ~ImageMapBuilder() = default;
    /// Shows the builder modally; nothing when cancelled.
    virtual std::optional<MapBuildResult> buildMap(QWidget *parent, const MapBuildRequest &request) = 0;
};

/// The map builder in use, or nullptr while none is installed ("MAP Builder"
/// is then disabled).
ImageMapBuilder *imageMapBuilder();
/// Installs the map builder (not owned); nullptr removes it.
void setImageMapBuilder(ImageMapBuilder *builder);

} // namespace lumaro
