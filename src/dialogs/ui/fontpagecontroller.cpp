#include "fontpagecontroller.h"
#include "pagehost.h"
#include "tbasefontdialog.h"
#include "tbodydialog.h"
#include "tfonttagdialog.h"
#include "theadingdialog.h"
#include "thtmlrichedit.h"

#include <QAction>

namespace lumaro {

FontPageController::FontPageController(PageHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
{
    connectCommand(QStringLiteral("SpeedButton78"), &FontPageController::SpeedButton78Click);
    connectCommand(QStringLiteral("SpeedButton77"), &FontPageController::SpeedButton77Click);
    connectCommand(QStringLiteral("SpeedButton1"), &FontPageController::SpeedButton1Click);
    connectCommand(QStringLiteral("SpeedButtonheading"), &FontPageController::SpeedButtonheadingClick);
}

void FontPageController::connectCommand(const QString &name, void (FontPageController::*handler)())
{
    QAction *action = m_host.command(name);
    if (!action)
        return;
    // Enable first: a host that tracks which commands are handled applies its
    // own rule (page commands only while a page is open) on connect.
    action->setEnabled(true);
    connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
}

template <class Dialog> void FontPageController::runTagText()
{
    thtmlrichedit *page = m_host.activeEditor();
    if (!page)
        return;
    Dialog dialog(m_host.hostWindow());
    dialog.setTagText(page->selText());
    // The page may have closed while the dialog was open.
    if (dialog.exec() == QDialog::Accepted && m_host.activeEditor() == page)
        page->replaceSelection(dialog.tagText());
}

void FontPageController::SpeedButton78Click() { runTagText<Tfonttagdialog>(); }
void FontPageController::SpeedButton77Click() { runTagText<Tbasefontdialog>(); }

void FontPageController::SpeedButton1Click()
{
    thtmlrichedit *page = m_host.activeEditor();
    if (!page)
        return;
    BodyTag tag;
    tag.decode(page->selText());
    Tbodydialog dialog(m_host.hostWindow());
    dialog.setValue(tag);
    if (dialog.exec() == QDialog::Accepted && m_host.activeEditor() == page)
        page->replaceSelection(dialog.value().build());
}

void FontPageController::SpeedButtonheadingClick()
{
    thtmlrichedit *page = m_host.activeEditor();
    if (!page)
        return;
    HeadingTag tag;
    tag.decode(page->selText());
    Theadingdialog dialog(m_host.hostWindow());
    dialog.setValue(tag);
    if (dialog.exec() == QDialog::Accepted && m_host.activeEditor() == page)
        page->replaceSelection(dialog.value().build());
}

bool FontPageController::runByShortcutName(const QString &name)
{
    if (name != QLatin1String("\"body\""))
        return false;
    SpeedButton1Click();
    return true;
}

} // namespace lumaro
