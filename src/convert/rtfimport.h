#pragma once

#include "importsettings.h"
#include "timpexprichedit.h"

#include <QString>

class QByteArray;
class QTextDocument;

namespace lumaro {

/// RTF to HTML without any window: the conversion the RTF import button
/// runs, for the editor and for command-line tools.
class RtfImport {
public:
    struct Result {
        bool ok = false;
        QString html;
        QString error; ///< why nothing was converted, for the user
    };

    /// Converts a formatted document into HTML markup.
    static QString convert(const QTextDocument &document, const ImportSettings &settings,
                           ImportWalk walk = ImportWalk::Runs,
                           const timpexprichedit::Progress &progress = {});
    /// Reads RTF data and converts it.
    static Result convertData(const QByteArray &rtf, const ImportSettings &settings);
    /// Reads an RTF file and converts it.
    static Result convertFile(const QString &fileName, const ImportSettings &settings);
};

} // namespace lumaro
