#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

namespace lumaro {

/// What the link builder composes: a protocol prefix, a server, the anchor
/// (a path or file part) and a jump target inside the page, and how its
/// Browse button looks for files in each picker mode.
struct LinkBuilder {
    /// Index into protocols(); 0 is "none".
    int protocol = 0;
    QString server;
    QString anchor;
    QString jump;

    /// Longest server and jump target the edit boxes take; the composed URL
    /// never cuts what was typed.
    static constexpr int serverLimit = 100;
    static constexpr int jumpLimit = 99;
    /// Side of the square GIF preview, in pixels.
    static constexpr int previewSide = 169;

    /// "none", "http://", "gopher:", "file://", "ftp://", "mailto:".
    static const QStringList &protocols();
    /// The prefix of a list item: empty for "none" (and for an index out of range).
    static QString prefix(int index);

    /// prefix + server + anchor + "#" jump (no "#" when the jump target is
    /// empty). With "file://", no server and an absolute local path as the
    /// anchor, the path becomes a percent-encoded file URL instead.
    QString url() const;

    /// The Browse dialog's file types, as Qt name filters in list order:
    /// pages, images, video, sound, map files, GIF images, all files.
    static QStringList nameFilters();
    /// The entry a picker mode (1 link, 2 image, 3 video, 4 sound) selects.
    static QString nameFilter(int mode);

    /// The preview's size for a picture of width × height: 169 × 169, with
    /// the shorter side scaled to keep the proportions; empty for an empty picture.
    static QSize previewSize(int width, int height);
};

} // namespace lumaro
