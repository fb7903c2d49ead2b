#pragma once

#include "interaction.h"

namespace lumaro {

/// The interaction service on a real desktop: Qt's own dialogs.
class QtInteraction : public Interaction {
public:
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
