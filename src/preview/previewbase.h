#pragma once

#include <QString>
#include <QUrl>

namespace lumaro {

/// The address relative pictures, style sheets and frames of a previewed
/// page are resolved against: the page's own directory for a saved page,
/// the project root for an untitled one when a root is set, else none.
class PreviewBase {
public:
    /// pageFile is the page's full path (ignored when hasFile is false);
    /// projectRoot the open project's root directory or empty. The result
    /// is a file URL ending in "/", or an empty URL.
    static QUrl baseUrl(const QString &pageFile, bool hasFile, const QString &projectRoot);
};

} // namespace lumaro
