#include "fontpagecontroller.h"
#include "pagecommand.h"
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
    connectPageCommand(m_host, name, this, [this, handler] { (this->*handler)(); });
}

void FontPageController::SpeedButton78Click() { runTagTextDialog<Tfonttagdialog>(m_host); }
void FontPageController::SpeedButton77Click() { runTagTextDialog<Tbasefontdialog>(m_host); }

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
