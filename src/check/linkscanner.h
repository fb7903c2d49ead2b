#pragma once

#include <QList>
#include <QSet>
#include <QString>

namespace lumaro {

/// One address written in a page: which tag and attribute hold it, the
/// address with its entities decoded, and where its text stands in the page.
struct PageReference {
    QString tag;       ///< upper-case element name ("IMG"); "STYLE" for url(...) in a style
    QString attribute; ///< upper-case attribute name ("SRC"); empty inside a STYLE element
    QString value;     ///< the address, entities decoded, blanks around it removed
    int position = 0;  ///< page position of the address's first character
    int length = 0;    ///< the address's length in the page, as written
};

/// What a page offers and asks for: its references in page order, and the
/// names that fragments can point at.
struct PageLinks {
    QList<PageReference> references;
    QSet<QString> anchors; ///< NAME of A and MAP, ID of any element
    QSet<QString> maps;    ///< NAME of MAP
};

/// Finds the addresses of a page without building a document tree: start
/// tags are read with their attributes (quoted, unquoted or bare), comments
/// and declarations are skipped, and the text of SCRIPT elements is not
/// looked into. Addresses inside style sheets are the url(...) values of
/// STYLE attributes and STYLE elements.
class LinkScanner {
public:
    /// Scans a page whose line breaks are single "\n" (so that page
    /// positions are the editor's).
    static PageLinks scan(const QString &pageText);
    /// Whether an attribute of a tag holds an address the link check follows.
    static bool isAddressAttribute(const QString &upperTag, const QString &upperAttribute);
    /// Decodes character references: &amp; &lt; &gt; &quot; &apos; &nbsp;
    /// and numeric ones; anything else stays as written.
    static QString decodeEntities(QStringView text);
    /// The url(...) values of a piece of style sheet, with their offsets
    /// and lengths in it; comments are skipped.
    struct StyleUrl {
        QString value;
        int offset = 0;
        int length = 0;
    };
    static QList<StyleUrl> styleUrls(QStringView css);
};

} // namespace lumaro
