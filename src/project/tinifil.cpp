#include "tinifil.h"

namespace lumaro {

namespace {
const QString kRoot = QStringLiteral("root");
const QString kImageRoot = QStringLiteral("imageroot");
const QString kPublish = QStringLiteral("publish");
const QString kAutoUrl = QStringLiteral("autourl");
const QString kPath = QStringLiteral("path");
const QString kUse = QStringLiteral("use");
} // namespace

tinifil::tinifil(const QString &fileName)
    : m_ini(fileName)
{
}

bool tinifil::check(bool ok)
{
    if (ok)
        m_error.clear();
    return ok;
}

QString tinifil::readroot() const { return m_ini.readString(kRoot, kPath, defaultRoot()); }
bool tinifil::writeroot(const QString &path) { return check(m_ini.writeString(kRoot, kPath, path, &m_error)); }
bool tinifil::readuseroot() const { return m_ini.readBool(kRoot, kUse, false); }
bool tinifil::writeuseroot(bool on) { return check(m_ini.writeBool(kRoot, kUse, on, &m_error)); }

QString tinifil::readimageroot() const { return m_ini.readString(kImageRoot, kPath, defaultRoot()); }
bool tinifil::writeimageroot(const QString &path) { return check(m_ini.writeString(kImageRoot, kPath, path, &m_error)); }
bool tinifil::readuseimageroot() const { return m_ini.readBool(kImageRoot, kUse, false); }
bool tinifil::writeuseimageroot(bool on) { return check(m_ini.writeBool(kImageRoot, kUse, on, &m_error)); }

bool tinifil::readconvchar() const { return m_ini.readBool(kPublish, QStringLiteral("convchar"), true); }
bool tinifil::writeconvchar(bool on) { return check(m_ini.writeBool(kPublish, QStringLiteral("convchar"), on, &m_error)); }

bool tinifil::readauto() const { return m_ini.readBool(kAutoUrl, QStringLiteral("auto"), false); }
bool tinifil::writeauto(bool on) { return check(m_ini.writeBool(kAutoUrl, QStringLiteral("auto"), on, &m_error)); }
bool tinifil::readuse() const { return m_ini.readBool(kAutoUrl, kUse, false); }
bool tinifil::writeuse(bool on) { return check(m_ini.writeBool(kAutoUrl, kUse, on, &m_error)); }

bool tinifil::readcheckexternal() const { return m_ini.readBool(QStringLiteral("links"), QStringLiteral("external"), false); }
bool tinifil::writecheckexternal(bool on)
{
    return check(m_ini.writeBool(QStringLiteral("links"), QStringLiteral("external"), on, &m_error));
}

} // namespace lumaro
