#include "uploadsettings.h"
#include "inifile.h"
#include "remotepath.h"

namespace lumaro {

namespace {
const QString kSection = QStringLiteral("upload");
}

QString UploadSettings::loginName(Login login)
{
    switch (login) {
    case Login::Key:
        return QStringLiteral("key");
    case Login::Password:
        return QStringLiteral("password");
    case Login::Agent:
        break;
    }
    return QStringLiteral("agent");
}

UploadSettings::Login UploadSettings::loginFromName(const QString &name)
{
    const QString n = name.trimmed().toLower();
    if (n == QLatin1String("key"))
        return Login::Key;
    if (n == QLatin1String("password"))
        return Login::Password;
    return Login::Agent;
}

UploadSettings UploadSettings::read(const QString &optionsFile)
{
    const IniFile ini(optionsFile);
    UploadSettings s;
    s.host = ini.readString(kSection, QStringLiteral("host"), {}).trimmed();
    const int port = ini.readInteger(kSection, QStringLiteral("port"), 22);
    s.port = port >= 1 && port <= 65535 ? port : 22;
    s.user = ini.readString(kSection, QStringLiteral("user"), {}).trimmed();
    s.folder = ini.readString(kSection, QStringLiteral("folder"), {});
    s.login = loginFromName(ini.readString(kSection, QStringLiteral("login"), {}));
    s.keyFile = ini.readString(kSection, QStringLiteral("keyfile"), {});
    return s;
}

bool UploadSettings::write(const QString &optionsFile, QString *error) const
{
    IniFile ini(optionsFile);
    return ini.writeString(kSection, QStringLiteral("host"), host, error)
        && ini.writeString(kSection, QStringLiteral("port"), QString::number(port), error)
        && ini.writeString(kSection, QStringLiteral("user"), user, error)
        && ini.writeString(kSection, QStringLiteral("folder"), folder, error)
        && ini.writeString(kSection, QStringLiteral("login"), loginName(login), error)
        && ini.writeString(kSection, QStringLiteral("keyfile"), keyFile, error);
}

QString UploadSettings::problem() const
{
    const QString h = host.trimmed();
    if (h.isEmpty())
        return QStringLiteral("No server is given for uploading.");
    for (const QChar c : h) {
        if (c.isSpace() || c == u'/' || c == u'@' || c.unicode() < 0x20)
            return QStringLiteral("\"%1\" is not a server name.").arg(h);
    }
    if (port < 1 || port > 65535)
        return QStringLiteral("The port must be between 1 and 65535.");
    for (const QChar c : user) {
        if (c.isSpace() || c == u'@' || c == u':' || c.unicode() < 0x20)
            return QStringLiteral("\"%1\" is not a user name.").arg(user);
    }
    QString why;
    if (!RemotePath::normalizedFolder(folder, &why))
        return why;
    if (login == Login::Key && keyFile.trimmed().isEmpty())
        return QStringLiteral("Logging in with a key needs the key file.");
    return {};
}

QString UploadSettings::knownHostsName() const
{
    const QString h = host.trimmed();
    return port == 22 ? h : QStringLiteral("[%1]:%2").arg(h).arg(port);
}

QString UploadSettings::destination() const
{
    const QString who = user.isEmpty() ? host.trimmed() : user + u'@' + host.trimmed();
    return QStringLiteral("%1:%2/%3").arg(who).arg(port).arg(folder);
}

} // namespace lumaro
