#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lumaro::cli {

/// The outcome of converting one input.
struct Conversion {
    bool ok = false;
    QByteArray output;
    QString error;   ///< the reason, for the one-line message
};

/// The conversions, each calling the same library code the editor uses.
/// Input and output are file bytes: text is decoded and encoded with the
/// document encoding rules (UTF-8 when valid, Windows-1252 otherwise).
Conversion colour(const QByteArray &input);
Conversion rtf2html(const QByteArray &input);
Conversion html2text(const QByteArray &input);
Conversion entities(const QByteArray &input);
Conversion chars(const QByteArray &input);

/// Publishing a project file.
struct PublishReport {
    bool ok = false;
    QString error;
    int converted = 0;
    QString targetDirectory;
    QStringList outsideRoot;   ///< pages not below the project root
    QStringList problems;      ///< "file: reason" for files not published
    bool rootOptionOff = false; ///< the project uses no standard root: nothing to do
};
PublishReport publish(const QString &projectFile);

/// Runs a conversion by its command name.
Conversion convert(const QString &command, const QByteArray &input);

/// The file extension an output of the command gets with -d (empty: keep).
QString outputSuffix(const QString &command);

} // namespace lumaro::cli
