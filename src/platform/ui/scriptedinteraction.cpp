#include "scriptedinteraction.h"

namespace lumaro {

ScriptedInteraction::ScriptedInteraction()
{
    setInteraction(this);
}

ScriptedInteraction::~ScriptedInteraction()
{
    setInteraction(nullptr);
}

QMessageBox::StandardButton ScriptedInteraction::message(QWidget *, const MessageRequest &request)
{
    messages.append(request);
    if (!messageAnswers.isEmpty())
        return messageAnswers.dequeue();
    if (request.buttons.testFlag(QMessageBox::Cancel))
        return QMessageBox::Cancel;
    if (request.buttons.testFlag(QMessageBox::No))
        return QMessageBox::No;
    return QMessageBox::Ok;
}

QStringList ScriptedInteraction::openFiles(QWidget *, const FileDialogRequest &request)
{
    fileRequests.append(request);
    return openAnswers.isEmpty() ? QStringList() : openAnswers.dequeue();
}

QString ScriptedInteraction::openFile(QWidget *parent, const FileDialogRequest &request)
{
    const QStringList files = openFiles(parent, request);
    return files.isEmpty() ? QString() : files.constFirst();
}

QString ScriptedInteraction::saveFile(QWidget *, FileDialogRequest &request)
{
    fileRequests.append(request);
    if (!saveFilterAnswers.isEmpty())
        request.selectedFilter = saveFilterAnswers.dequeue();
    return saveAnswers.isEmpty() ? QString() : saveAnswers.dequeue();
}

QString ScriptedInteraction::directory(QWidget *, const QString &caption, const QString &start)
{
    FileDialogRequest request;
    request.caption = caption;
    request.directory = start;
    fileRequests.append(request);
    return directoryAnswers.isEmpty() ? QString() : directoryAnswers.dequeue();
}

bool ScriptedInteraction::print(QWidget *, QPrinter *)
{
    ++printRequests;
    return printAnswers.isEmpty() ? true : printAnswers.dequeue();
}

std::optional<QColor> ScriptedInteraction::color(QWidget *, const QColor &)
{
    return colorAnswers.isEmpty() ? std::nullopt : colorAnswers.dequeue();
}

std::optional<QFont> ScriptedInteraction::font(QWidget *, const QFont &initial)
{
    fontRequests.append(initial);
    return fontAnswers.isEmpty() ? std::nullopt : fontAnswers.dequeue();
}

std::optional<QString> ScriptedInteraction::secret(QWidget *, const QString &, const QString &label)
{
    secretRequests.append(label);
    return secretAnswers.isEmpty() ? std::nullopt : secretAnswers.dequeue();
}

} // namespace lumaro
