#include "convertcontroller.h"

#include "interaction.h"
#include "pagehost.h"
#include "progresswindow.h"
#include "textexport.h"
#include "textfile.h"
#include "thtmlrichedit.h"
#include "timportexportpreffdialog.h"
#include "tregini.h"
#include "waitcursor.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QTextDocument>

#include <memory>

namespace lumaro {

namespace {
const QString kTitle = QStringLiteral("Lumaro");
}

ConvertController::ConvertController(PageHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
{
    connectCommand("SpeedButton102", &ConvertController::SpeedButton102Click);
    connectCommand("SpeedButton103", &ConvertController::SpeedButton103Click);
    connectCommand("ImportExport1", &ConvertController::ImportExport1Click);
}

void ConvertController::connectCommand(const char *name, void (ConvertController::*handler)())
{
    QAction *action = m_host.command(QString::fromLatin1(name));
    if (!action)
        return;
    connect(action, &QAction::triggered, this, handler);
    action->setEnabled(true);
}

void ConvertController::report(const QString &message)
{
    interaction().warning(m_host.hostWindow(), kTitle, message);
}

void ConvertController::SpeedButton102Click()
{
    FileDialogRequest request;
    request.caption = QStringLiteral("Open");
    request.directory = tregini().readlastdir();
    request.filter = QStringLiteral("RTF files *.rtf (*.rtf)");
    const QString fileName = interaction().openFile(m_host.hostWindow(), request);
    if (fileName.isEmpty())
        return;

    QString error;
    {
        WaitCursor busy;
        if (!m_import.loadFromFile(fileName, &error)) {
            report(error);
            return;
        }
        m_import.clearOutput();

        const qint64 length = qMax(0, m_import.document()->characterCount() - 1);
        std::unique_ptr<ProgressWindow> progress;
        if (length > m_progressThreshold) {
            progress = std::make_unique<ProgressWindow>(m_host.hostWindow());
            progress->setMaximum(length);
            progress->show();
            ++m_progressShown;
        }
        timpexprichedit::Progress step;
        if (progress)
            step = [&progress](qint64 position, qint64) { progress->setPosition(position); };
        const bool ok = m_import.importer(&error, ImportWalk::Runs, step);
        progress.reset();
        if (!ok) {
            report(error);
            return;
        }
    }

    if (thtmlrichedit *editor = m_host.activeEditor()) {
        WaitCursor busy;
        editor->replaceSelection(m_import.output());
        if (editor->isVisible())
            editor->setFocus();
    } else {
        m_host.newPageWithText(m_import.output());
    }
}

void ConvertController::SpeedButton103Click()
{
    thtmlrichedit *editor = m_host.activeEditor();
    if (!editor)
        return;
    FileDialogRequest request;
    request.caption = QStringLiteral("Save As");
    request.directory = tregini().readlastdir();
    request.filter = QStringLiteral("Text files *.txt (*.txt)");
    const QString chosen = interaction().saveFile(m_host.hostWindow(), request);
    if (chosen.isEmpty())
        return;

    // The question names the file that will be written, so an existing
    // "notes.txt" is never replaced unasked when the user typed "notes".
    const QString target = TextExport::targetFileName(chosen);
    if (QFileInfo::exists(target)
        && !interaction().askYesNo(m_host.hostWindow(), kTitle,
                                   QStringLiteral("Do you want to overwrite ")
                                       + QDir::toNativeSeparators(target) + QStringLiteral(" ?")))
        return;

    QString error;
    {
        WaitCursor busy;
        m_export.setSource(editor->selLength() > 0 ? editor->selText() : editor->text());
        m_export.clearContent();
        if (!m_export.exporter(&error)) {
            report(error);
            return;
        }
        // The text file is written as the page's own file is: its encoding
        // and byte-order mark.
        if (!TextFile::write(target, m_export.content(), editor->fileFormat(), &error)) {
            report(QStringLiteral("Cannot write \"%1\". %2").arg(QDir::toNativeSeparators(target), error));
            return;
        }
    }
}

void ConvertController::ImportExport1Click()
{
    Timportexportpreffdialog dialog(m_host.hostWindow());
    dialog.exec();
}

} // namespace lumaro
