#include "interaction.h"
#include "qtinteraction.h"

namespace lumaro {

namespace {
Interaction *g_current = nullptr;
}

Interaction &interaction()
{
    static QtInteraction qtService;
    return g_current ? *g_current : qtService;
}

void setInteraction(Interaction *service)
{
    g_current = service;
}

void Interaction::information(QWidget *parent, const QString &title, const QString &text)
{
    message(parent, {title, text, QMessageBox::Ok, QMessageBox::Information, QMessageBox::Ok});
}

void Interaction::warning(QWidget *parent, const QString &title, const QString &text)
{
    message(parent, {title, text, QMessageBox::Ok, QMessageBox::Warning, QMessageBox::Ok});
}

bool Interaction::askYesNo(QWidget *parent, const QString &title, const QString &text)
{
    return message(parent, {title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question,
                            QMessageBox::Yes})
        == QMessageBox::Yes;
}

QMessageBox::StandardButton Interaction::askYesNoCancel(QWidget *parent, const QString &title,
                                                        const QString &text)
{
    return message(parent, {title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                            QMessageBox::Question, QMessageBox::Yes});
}

} // namespace lumaro
