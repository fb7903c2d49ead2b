#pragma once

// A small site written for the link check's tests: pages with anchors and
// a map, pictures, a folder with an index page and one without.
#include "filebytes.h"
#include "testsandbox.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

namespace lumaro::test {

inline void writeSiteFile(const QString &root, const QString &path, const QByteArray &bytes = "x")
{
    QDir().mkpath(QFileInfo(root + u'/' + path).absolutePath());
    writeBytes(root + u'/' + path, bytes);
}

/// Writes the site into a fresh folder and gives its path.
inline QString makeLinkSite(const QString &name)
{
    const QString root = TestSandbox::makeDir(name);
    writeSiteFile(root, QStringLiteral("logo.gif"));
    writeSiteFile(root, QStringLiteral("Pics/Photo.JPG"));
    writeSiteFile(root, QStringLiteral("my file.gif"));
    writeSiteFile(root, QStringLiteral("a&b.html"), "<p>amp</p>");
    writeSiteFile(root, QString::fromUtf8("bl\xc3\xa5.gif"));
    writeSiteFile(root, QStringLiteral("style.css"));
    writeSiteFile(root, QStringLiteral("docs/index.html"), "<p>docs</p>");
    writeSiteFile(root, QStringLiteral("empty/notes.txt"));
    writeSiteFile(root, QStringLiteral("sub/page.html"),
                  "<html><body>\r\n<a name=\"top\"></a>\r\n<div id=\"part2\">two</div>\r\n"
                  "<map name=\"nav\"><area href=\"../index.html\"></map>\r\n</body></html>\r\n");
    return root;
}

} // namespace lumaro::test
