#include "tagcontroller.h"
#include "pagehost.h"
#include "tanchordialog.h"
#include "tbold.h"
#include "tcenterdialog.h"
#include "tfontstdialog.h"
#include "thtmlrichedit.h"
#include "titalic.h"
#include "tjumptodialog.h"
#include "tjumptoheredialog.h"
#include "ttablebuilderdialog.h"
#include "ttablecaptiondialog.h"
#include "ttabledatadialog.h"
#include "ttabledialog.h"
#include "ttablerowdialog.h"
#include "tunderlinieret.h"
#include "wraptag.h"

#include <QAction>
#include <QLineEdit>
#include <QSet>
#include <functional>
#include <memory>

namespace lumaro {

TagController::TagController(PageHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
{
    for (const WrapTag::Command &c : WrapTag::commands()) {
        const QString component = c.component;
        connectCommand(component, [this, component] { runWrap(component); });
    }
    connectCommand(QStringLiteral("SpeedButton73"), &TagController::SpeedButton73Click);
    connectCommand(QStringLiteral("SpeedButton74"), &TagController::SpeedButton74Click);
    connectCommand(QStringLiteral("SpeedButton75"), &TagController::SpeedButton75Click);
    connectCommand(QStringLiteral("SpeedButton76"), &TagController::SpeedButton76Click);
    connectCommand(QStringLiteral("SpeedButton6"), &TagController::SpeedButton6Click);
    connectCommand(QStringLiteral("SpeedButton3"), &TagController::SpeedButton3Click);
    connectCommand(QStringLiteral("SpeedButton4"), &TagController::SpeedButton4Click);
    connectCommand(QStringLiteral("SpeedButton5"), &TagController::SpeedButton5Click);
    for (const QString &name : anchorMenuNames())
        connectCommand(name, &TagController::SpeedButton3Click);
    for (const QString &name : jumpToMenuNames())
        connectCommand(name, &TagController::SpeedButton4Click);
    for (const QString &name : jumpToHereMenuNames())
        connectCommand(name, &TagController::SpeedButton5Click);
}

TagController::~TagController()
{
    delete m_phrase.data();
}

QStringList TagController::anchorMenuNames() { return {QStringLiteral("Anchor1")}; }
QStringList TagController::jumpToMenuNames() { return {QStringLiteral("Jumpto1")}; }
QStringList TagController::jumpToHereMenuNames() { return {QStringLiteral("Jumptohere1")}; }

void TagController::connectCommand(const QString &name, void (TagController::*handler)())
{
    connectCommand(name, [this, handler] { (this->*handler)(); });
}

void TagController::connectCommand(const QString &name, const std::function<void()> &handler)
{
    QAction *action = m_host.command(name);
    if (!action)
        return;
    // A host may register one action under two names (a toolbar button and
    // its menu item); it must run the command once per trigger.
    if (action->property("lumaroTagCommand").toBool())
        return;
    action->setProperty("lumaroTagCommand", true);
    // Enable first: a host that tracks which commands are handled applies its
    // own rule (e.g. page commands only while a page is open) on connect.
    action->setEnabled(true);
    connect(action, &QAction::triggered, this, [handler] { handler(); });
}

thtmlrichedit *TagController::editor() const { return m_host.activeEditor(); }

Tfontstdialog *TagController::phraseDialog()
{
    if (!m_phrase)
        m_phrase = new Tfontstdialog(m_host.hostWindow());
    return m_phrase;
}

void TagController::runWrap(const QString &component)
{
    const WrapTag::Command *command = WrapTag::byComponent(component);
    thtmlrichedit *page = editor();
    if (!command || !page)
        return;
    const QString selected = page->selText();
    if (!selected.isEmpty()) {
        page->replaceSelection(WrapTag::wrap(command->tagName, selected));
        return;
    }
    QWidget *parent = m_host.hostWindow();
    QString result;
    switch (command->dialog) {
    case WrapTag::Dialog::Bold: {
        TBold dialog(parent);
        if (dialog.exec() == QDialog::Accepted)
            result = dialog.result();
        break;
    }
    case WrapTag::Dialog::Italic: {
        TITALIC dialog(parent);
        if (dialog.exec() == QDialog::Accepted)
            result = dialog.result();
        break;
    }
    case WrapTag::Dialog::Underline: {
        TUnderlinieret dialog(parent);
        if (dialog.exec() == QDialog::Accepted)
            result = dialog.result();
        break;
    }
    case WrapTag::Dialog::Center: {
        Tcenterdialog dialog(parent);
        dialog.textEdit()->clear();
        if (dialog.exec() == QDialog::Accepted)
            result = dialog.result();
        break;
    }
    case WrapTag::Dialog::Phrase: {
        Tfontstdialog *dialog = phraseDialog();
        dialog->setName(command->tagName);
        if (dialog->exec() == QDialog::Accepted)
            result = dialog->result();
        break;
    }
    }
    // The page may have closed while the dialog was open.
    if (!result.isEmpty() && editor() == page)
        page->replaceSelection(result);
}

template <class Dialog> void TagController::runTagText()
{
    thtmlrichedit *page = editor();
    if (!page)
        return;
    Dialog dialog(m_host.hostWindow());
    dialog.setTagText(page->selText());
    if (dialog.exec() == QDialog::Accepted && editor() == page)
        page->replaceSelection(dialog.tagText());
}

void TagController::SpeedButton73Click() { runTagText<Ttabledialog>(); }
void TagController::SpeedButton74Click() { runTagText<Ttablerowdialog>(); }
void TagController::SpeedButton75Click() { runTagText<Ttabledatadialog>(); }
void TagController::SpeedButton76Click() { runTagText<Ttablecaptiondialog>(); }

void TagController::SpeedButton6Click()
{
    thtmlrichedit *page = editor();
    if (!page)
        return;
    Ttablebuilderdialog dialog(m_host.hostWindow());
    dialog.fjerntabel(page->selText());
    if (dialog.exec() == QDialog::Accepted && editor() == page)
        page->replaceSelection(dialog.value().build());
}

void TagController::SpeedButton3Click()
{
    thtmlrichedit *page = editor();
    if (!page)
        return;
    Tanchordialog dialog(m_host.hostWindow());
    dialog.setValue(AnchorLink::decode(page->selText()));
    if (dialog.exec() == QDialog::Accepted && editor() == page)
        page->replaceSelection(dialog.value().build());
}

void TagController::SpeedButton4Click()
{
    thtmlrichedit *page = editor();
    if (!page)
        return;
    Tjumptodialog dialog(m_host.hostWindow());
    dialog.setValue(JumpToLink::decode(page->selText()));
    if (dialog.exec() == QDialog::Accepted && editor() == page)
        page->replaceSelection(dialog.value().build());
}

void TagController::SpeedButton5Click()
{
    thtmlrichedit *page = editor();
    if (!page)
        return;
    Tjumptoheredialog dialog(m_host.hostWindow());
    dialog.setValue(JumpToHereLink::decode(page->selText()));
    if (dialog.exec() == QDialog::Accepted && editor() == page)
        page->replaceSelection(dialog.value().build());
}

bool TagController::runByShortcutName(const QString &name)
{
    static const QHash<QString, void (TagController::*)()> handlers = {
        {QStringLiteral("\"anchor\""), &TagController::SpeedButton3Click},
        {QStringLiteral("\"jumpto\""), &TagController::SpeedButton4Click},
        {QStringLiteral("\"jumptohere\""), &TagController::SpeedButton5Click},
        {QStringLiteral("\"tablebuilder\""), &TagController::SpeedButton6Click},
        {QStringLiteral("\"table\""), &TagController::SpeedButton73Click},
        {QStringLiteral("\"tablecaption\""), &TagController::SpeedButton76Click},
        {QStringLiteral("\"tablerow\""), &TagController::SpeedButton74Click},
        {QStringLiteral("\"tabledata\""), &TagController::SpeedButton75Click},
    };
    // The image dialog lives in its own controller; its command runs it.
    if (name == QLatin1String("\"image\"")) {
        if (QAction *image = m_host.command(QStringLiteral("SpeedButton8")); image && image->isEnabled())
            image->trigger();
        return true;
    }
    auto it = handlers.find(name);
    if (it == handlers.end())
        return false;
    (this->*(*it))();
    return true;
}

} // namespace lumaro
