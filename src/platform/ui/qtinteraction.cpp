#include "qtinteraction.h"

#include <QInputDialog>
#include <QLineEdit>

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace lumaro {

QMessageBox::StandardButton QtInteraction::message(QWidget *parent, const MessageRequest &request)
{
    QMessageBox box(request.icon, request.title, request.text, request.buttons, parent);
    if (request.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(request.defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QStringList QtInteraction::openFiles(QWidget *parent, const FileDialogRequest &request)
{
    return QFileDialog::getOpenFileNames(parent, request.caption, request.directory, request.filter);
}

QString QtInteraction::openFile(QWidget *parent, const FileDialogRequest &request)
{
    QString selected = request.selectedFilter;
    return QFileDialog::getOpenFileName(parent, request.caption, request.directory, request.filter,
                                        &selected);
}

QString QtInteraction::saveFile(QWidget *parent, FileDialogRequest &request)
{
    QFileDialog dialog(parent, request.caption, request.directory, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The program asks its own overwrite question, with its own wording.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.selectedFilter.isEmpty())
        dialog.selectNameFilter(request.selectedFilter);
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    request.selectedFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().constFirst();
}

QString QtInteraction::directory(QWidget *parent, const QString &caption, const QString &start)
{
    return QFileDialog::getExistingDirectory(parent, caption, start);
}

bool QtInteraction::print(QWidget *parent, QPrinter *printer)
{
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QColor> QtInteraction::color(QWidget *parent, const QColor &initial)
{
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<QFont> QtInteraction::font(QWidget *parent, const QFont &initial)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, parent);
    if (!ok)
        return std::nullopt;
    return chosen;
}

std::optional<QString> QtInteraction::secret(QWidget *parent, const QString &title, const QString &label)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, label, QLineEdit::Password, QString(), &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

} // namespace lumaro
