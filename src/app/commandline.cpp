#include "commandline.h"

namespace lumaro {

QString CommandLine::extension(const QString &name)
{
    const qsizetype slash = std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || dot < slash)
        return {};
    return name.mid(dot + 1).toLower();
}

QStringList CommandLine::filesToOpen(const QStringList &arguments, const QStringList &wanted, Mode mode)
{
    const auto isWanted = [&wanted](const QString &name) {
        return !extension(name).isEmpty() && wanted.contains(extension(name));
    };
    const auto hasExtension = [](const QString &name) { return !extension(name).isEmpty(); };

    QStringList result;
    const qsizetype n = arguments.size();
    if (n == 0)
        return result;
    if (n == 1) {
        if (isWanted(arguments.first()))
            result.append(arguments.first());
        return result;
    }

    QString acc = arguments.first();
    // After a glued name has been opened, acc restarts at the piece that
    // completed it. That piece is part of a name already opened, so it is
    // never opened again on its own (it would name an unrelated relative path).
    bool accConsumed = false;
    for (qsizetype k = 0; k + 1 < n; ++k) {
        if (hasExtension(arguments.at(k))) {
            if (!accConsumed && isWanted(acc))
                result.append(acc);
            return result;
        }
        acc += QLatin1Char(' ') + arguments.at(k + 1);
        accConsumed = false;
        if (isWanted(acc)) {
            result.append(acc);
            if (mode == Mode::Project)
                return result;
            acc = arguments.at(k + 1);
            accConsumed = true;
        }
    }
    return result;
}

QString CommandLine::projectToOpen(const QStringList &arguments)
{
    const QStringList names = filesToOpen(arguments, {QStringLiteral("lmp")}, Mode::Project);
    return names.isEmpty() ? QString() : names.first();
}

QStringList CommandLine::documentsToOpen(const QStringList &arguments)
{
    return filesToOpen(arguments, {QStringLiteral("htm"), QStringLiteral("html")}, Mode::Documents);
}

} // namespace lumaro
