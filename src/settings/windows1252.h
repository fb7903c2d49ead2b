#pragma once

#include <QByteArray>
#include <QString>

namespace lumaro {

/// The Windows-1252 code page of the shortcut file's strings. The settings
/// library sits below the platform layer, so it carries its own small table;
/// a test keeps it in step with the platform's text conversions.
class Windows1252 {
public:
    static QString decode(const QByteArray &bytes);
    /// Characters the code page cannot hold become "?".
    static QByteArray encode(const QString &text);
    static bool canEncode(QChar c);
    static bool canEncode(const QString &text);
};

} // namespace lumaro
