#pragma once

#include <QColor>
#include <QFont>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <optional>

class QPrinter;
class QWidget;

namespace lumaro {

/// One message box request: what the program asks the user.
struct MessageRequest {
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

/// One file dialog request.
struct FileDialogRequest {
    QString caption;
    QString directory;     ///< initial directory (may be empty)
    QString fileName;      ///< proposed file name (save dialogs)
    QString filter;        ///< Qt filter string, entries separated by ";;"
    QString selectedFilter;
    QString defaultSuffix; ///< appended by the dialog when the user typed none
};

/// Every question, message and common dialog the program shows goes through
/// this interface, so tests can answer them without a display.
class Interaction {
public:
    virtual ~Interaction() = default;

    virtual QMessageBox::StandardButton message(QWidget *parent, const MessageRequest &request) = 0;
    /// Open dialog with multiple selection; empty when cancelled.
    virtual QStringList openFiles(QWidget *parent, const FileDialogRequest &request) = 0;
    /// Open dialog for one file; empty when cancelled.
    virtual QString openFile(QWidget *parent, const FileDialogRequest &request) = 0;
    /// Save dialog; empty when cancelled. The selected filter is written back.
    virtual QString saveFile(QWidget *parent, FileDialogRequest &request) = 0;
    /// Directory picker; empty when cancelled.
    virtual QString directory(QWidget *parent, const QString &caption, const QString &start) = 0;
    /// Print dialog configuring the printer; false when cancelled.
    virtual bool print(QWidget *parent, QPrinter *printer) = 0;
    virtual std::optional<QColor> color(QWidget *parent, const QColor &initial) = 0;
    virtual std::optional<QFont> font(QWidget *parent, const QFont &initial) = 0;
    /// Asks for a secret (a password or passphrase) with hidden typing;
    /// nothing when cancelled. The answer is never stored by this service.
    virtual std::optional<QString> secret(QWidget *parent, const QString &title, const QString &label) = 0;

    // Conveniences for the message shapes the program uses most.
    void information(QWidget *parent, const QString &title, const QString &text);
    void warning(QWidget *parent, const QString &title, const QString &text);
    /// "Lumaro"-titled Yes/No question with the question icon.
    bool askYesNo(QWidget *parent, const QString &title, const QString &text);
    /// Yes/No/Cancel question with the question icon.
    QMessageBox::StandardButton askYesNoCancel(QWidget *parent, const QString &title, const QString &text);
};

/// The interaction service in use; a Qt implementation unless a test set another.
Interaction &interaction();
/// Replaces the interaction service (tests); passing nullptr restores the Qt one.
void setInteraction(Interaction *service);

} // namespace lumaro
