#pragma once

#include "inifile.h"

namespace lumaro {

/// The project options file (".lmo"): one read and one write operation per
/// option, with its section, key and default fixed inside. Each operation
/// reads or writes the file for its one value, so a tinifil is cheap to
/// create for one use.
///
/// Write operations return false when the file cannot be written; the
/// reason is then in lastError().
class tinifil {
public:
    explicit tinifil(const QString &fileName);

    const QString &fileName() const { return m_ini.fileName(); }
    const QString &lastError() const { return m_error; }

    /// Project root directory ("root"/"path", default "c:\"); may begin with "file:///".
    QString readroot() const;
    bool writeroot(const QString &path);
    /// "Use a standard root for the project" ("root"/"use", default off).
    bool readuseroot() const;
    bool writeuseroot(bool on);
    /// Image directory ("imageroot"/"path", default "c:\"); may begin with "file:///".
    QString readimageroot() const;
    bool writeimageroot(const QString &path);
    /// "Use a standard dir to images" ("imageroot"/"use", default off).
    bool readuseimageroot() const;
    bool writeuseimageroot(bool on);
    /// "Convert special characters to tags when publish" ("publish"/"convchar", default on).
    bool readconvchar() const;
    bool writeconvchar(bool on);
    /// "Automatic replace Dos-path with URL" ("autourl"/"auto", default off).
    bool readauto() const;
    bool writeauto(bool on);
    /// Use the directory table ("autourl"/"use", default off).
    bool readuse() const;
    bool writeuse(bool on);
    /// "Check external links" when the project's links are checked
    /// ("links"/"external", default off).
    bool readcheckexternal() const;
    bool writecheckexternal(bool on);

    static QString defaultRoot() { return QStringLiteral("c:\\"); }

private:
    bool check(bool ok);

    IniFile m_ini;
    QString m_error;
};

} // namespace lumaro
