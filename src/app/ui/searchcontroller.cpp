#include "searchcontroller.h"
#include "interaction.h"
#include "pagehost.h"
#include "searchdialog.h"
#include "thtmlrichedit.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

namespace lumaro {

SearchController::SearchController(PageHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
{
    m_dialog = new Tsoegdialog(host.hostWindow());
    for (const QString &name : searchCommandNames())
        connectCommand(name, &SearchController::soegbtnClick);
    for (const QString &name : searchAgainCommandNames())
        connectCommand(name, &SearchController::Sgigen1Click);
}

QStringList SearchController::searchCommandNames()
{
    // The toolbar button and the Edit menu's "&Search" item run the same command.
    return {QStringLiteral("soegbtn"), QStringLiteral("Search1")};
}

QStringList SearchController::searchAgainCommandNames()
{
    return {QStringLiteral("Sgigen1")};
}

void SearchController::connectCommand(const QString &name, void (SearchController::*handler)())
{
    QAction *action = m_host.command(name);
    if (!action)
        return;
    connect(action, &QAction::triggered, this, handler);
    // The search button follows the page commands: it stays disabled while
    // no page is open. Search Again is always available.
    if (name != QLatin1String("soegbtn") || m_host.pageCount() > 0)
        action->setEnabled(true);
}

void SearchController::soegbtnClick() { soeg(true); }

void SearchController::Sgigen1Click() { soeg(false); }

void SearchController::soeg(bool showDialog)
{
    thtmlrichedit *editor = m_host.activeEditor();
    if (!editor)
        return;

    int start = 0;
    if (showDialog) {
        // The text box is refilled every time; the options keep their state.
        m_dialog->Edit1->setText(editor->selLength() > 0 ? editor->selText() : QString());
        m_dialog->Edit1->selectAll();
        if (m_dialog->exec() != QDialog::Accepted)
            return;
        m_state.text = m_dialog->Edit1->text();
        m_state.options = SearchState::optionsFrom(m_dialog->CheckBox1->isChecked(),
                                                   m_dialog->CheckBox2->isChecked());
        start = SearchState::startPosition(m_dialog->RadioButton2->isChecked(), editor->selStart(),
                                           RichEdit::toDocumentText(m_state.text));
    } else {
        start = SearchState::startPosition(false, editor->selStart(),
                                           RichEdit::toDocumentText(m_state.text));
    }
    find(editor, start);
}

void SearchController::find(thtmlrichedit *editor, int start)
{
    // A text taken from a multi-line selection comes with CR LF; the page
    // counts a line break as one position, so search for the page's form.
    const QString what = RichEdit::toDocumentText(m_state.text);
    m_state.lastMatch = editor->findText(what, start, -1, m_state.wholeWord(), m_state.matchCase());
    if (m_state.lastMatch >= 0) {
        editor->setSelection(m_state.lastMatch, int(what.size()));
        return;
    }
    MessageRequest request;
    request.title = QStringLiteral("Lumaro");
    request.text = SearchState::notFoundMessage(m_state.text);
    request.buttons = QMessageBox::Ok;
    interaction().message(m_host.hostWindow(), request);
}

} // namespace lumaro
