#pragma once

#include <QString>
#include <QStringList>

namespace lumaro {

/// The fields of the selection list dialog: a whole SELECT element with one
/// OPTION per line of the options box.
struct SelectFormTag {
    QString name;
    QString size = QStringLiteral("0");  ///< written bare
    bool multiple = false;
    QStringList options;

    /// Resets to the defaults and reads any non-empty text as a SELECT
    /// element: NAME, SIZE and MULTIPLE from its start tag, then every
    /// "<OPTION>" or "<OPTION ...>" in order, its text up to the next "<"
    /// without the line breaks around it.
    void decode(const QString &tagText);
    /// The SELECT element (written even with an empty name).
    QString build() const;

    bool operator==(const SelectFormTag &) const = default;
};

} // namespace lumaro
