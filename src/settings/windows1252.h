#pragma once

#include <QByteArray>
#include <QString>

namespace lumaro {

/// The Windows-1252 code page: the one table behind the shortcut file's
/// strings and the platform's text files (the settings library sits below
/// the platform layer). The five undefined codes map to the C1 control of
/// the same value, as Windows does.
class Windows1252 {
public:
    static QString decode(const QByteArray &bytes);
    /// Characters the code page cannot hold become "?".
    static QByteArray encode(const QString &text);
    static bool canEncode(QChar c);
    static bool canEncode(const QString &text);
};

} // namespace lumaro
