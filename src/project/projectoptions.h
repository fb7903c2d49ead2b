#pragma once

#include <QString>

namespace lumaro {

class tinifil;

/// The options the project preferences dialog edits, as a value read
/// from and written to the project options file.
struct ProjectOptions {
    bool autoUrl = false;       ///< "Automatic replace Dos-path with URL"
    bool convChar = true;       ///< "Convert special characters to tags when publish"
    bool useRoot = false;       ///< "Use a standard root for the project"
    QString root;               ///< root directory as the label shows it
    bool useImageRoot = false;  ///< "Use a standard dir to images"
    QString imageRoot;          ///< image directory as the label shows it
    bool checkExternal = false; ///< "Check external links" when the links are checked

    static ProjectOptions read(const tinifil &file);
    /// Writes them all; false at the first failure (the reason is in file.lastError()).
    bool write(tinifil &file) const;

    friend bool operator==(const ProjectOptions &, const ProjectOptions &) = default;
};

/// The directory picker's value: a directory and whether it is written as
/// a "file:///" URL.
struct DirectoryChoice {
    QString directory;
    bool useFileUrl = false;

    /// A directory string as the caller gives it: a leading "file:///" is
    /// removed and ticks "Use file:///".
    static DirectoryChoice fromText(const QString &text);
    /// The string handed back: "file:///" in front when ticked.
    QString toText() const;

    friend bool operator==(const DirectoryChoice &, const DirectoryChoice &) = default;
};

} // namespace lumaro
