#pragma once

#include <QImage>
#include <QString>
#include <optional>

class QWidget;

namespace lumaro {

/// What an address field asks the link builder for.
enum class PickerMode {
    Link = 1,  ///< a page or any other link target
    Image = 2, ///< a picture: its size and, for a GIF, the picture itself
    Video = 3, ///< an AVI video
    Sound = 4, ///< a background sound
};

/// What the link builder hands back after OK.
struct PickedUrl {
    QString url;
    /// The picture's size in pixels (image mode); 0 × 0 when it could not be read.
    int width = 0;
    int height = 0;
    /// The decoded picture (image mode, a GIF with "Vis image" checked); null otherwise.
    QImage picture;
};

/// The one picker behind every address field's URL button (anchor, body,
/// frame, form, image, map URL). The program serves it with the long-lived
/// link builder; tests install a scripted picker.
class UrlPicker {
public:
    virtual ~UrlPicker() = default;
    /// Shows the picker modally in the given mode; nothing when cancelled.
    virtual std::optional<PickedUrl> pick(QWidget *parent, PickerMode mode) = 0;
};

/// The picker in use, or nullptr while none is installed (the URL buttons
/// are then disabled).
UrlPicker *urlPicker();
/// Installs the picker (not owned); nullptr removes it.
void setUrlPicker(UrlPicker *picker);

} // namespace lumaro
