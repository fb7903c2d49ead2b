#pragma once

#include "interaction.h"

#include <QList>
#include <QQueue>

namespace lumaro {

/// An interaction service for tests: answers come from queues filled by the
/// test, and every request is recorded so the test can check what was asked.
/// When a queue is empty the answer is "cancelled" (or the message box's
/// default/first button), so a forgotten answer never blocks a test.
class ScriptedInteraction : public Interaction {
public:
    ScriptedInteraction();
    ~ScriptedInteraction() override;

    QQueue<QMessageBox::StandardButton> messageAnswers;
    QQueue<QStringList> openAnswers;     ///< for openFiles and openFile (first entry)
    QQueue<QString> saveAnswers;
    /// The file type chosen in the save dialog (a filter entry of the request);
    /// when empty the request's proposed filter stays selected.
    QQueue<QString> saveFilterAnswers;
    QQueue<QString> directoryAnswers;
    QQueue<bool> printAnswers;           ///< default: true (print)
    QQueue<std::optional<QColor>> colorAnswers;
    QQueue<std::optional<QFont>> fontAnswers;
    /// The font each font dialog opened on.
    QList<QFont> fontRequests;
    QQueue<std::optional<QString>> secretAnswers;
    QStringList secretRequests;          ///< the label of each secret asked for

    QList<MessageRequest> messages;
    QList<FileDialogRequest> fileRequests;
    int printRequests = 0;

    /// Text of the last message shown, or empty.
    QString lastMessage() const { return messages.isEmpty() ? QString() : messages.last().text; }

    QMessageBox::StandardButton message(QWidget *parent, const MessageRequest &request) override;
    QStringList openFiles(QWidget *parent, const FileDialogRequest &request) override;
    QString openFile(QWidget *parent, const FileDialogRequest &request) override;
    QString saveFile(QWidget *parent, FileDialogRequest &request) override;
    QString directory(QWidget *parent, const QString &caption, const QString &start) override;
    bool print(QWidget *parent, QPrinter *printer) override;
    std::optional<QColor> color(QWidget *parent, const QColor &initial) override;
    std::optional<QFont> font(QWidget *parent, const QFont &initial) override;
    std::optional<QString> secret(QWidget *parent, const QString &title, const QString &label) override;
};

} // namespace lumaro
