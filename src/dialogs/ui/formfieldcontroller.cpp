#include "formfieldcontroller.h"
#include "pagecommand.h"
#include "pagehost.h"
#include "tcheckform.h"
#include "thtmlrichedit.h"
#include "tpassform.h"
#include "tradioform.h"
#include "ttextform.h"
#include "ttextformarray.h"

#include <QAction>

namespace lumaro {

FormFieldController::FormFieldController(PageHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
{
    connectCommand(QStringLiteral("SpeedButton115"), &FormFieldController::SpeedButton115Click);
    connectCommand(QStringLiteral("SpeedButton116"), &FormFieldController::SpeedButton116Click);
    connectCommand(QStringLiteral("SpeedButton117"), &FormFieldController::SpeedButton117Click);
    connectCommand(QStringLiteral("SpeedButton120"), &FormFieldController::SpeedButton120Click);
    connectCommand(QStringLiteral("SpeedButton121"), &FormFieldController::SpeedButton121Click);
}

void FormFieldController::connectCommand(const QString &name, void (FormFieldController::*handler)())
{
    connectPageCommand(m_host, name, this, [this, handler] { (this->*handler)(); });
}

void FormFieldController::SpeedButton115Click() { runTagTextDialog<TTextformarray>(m_host); }
void FormFieldController::SpeedButton116Click() { runTagTextDialog<Tradioform>(m_host); }
void FormFieldController::SpeedButton117Click() { runTagTextDialog<TCheckform>(m_host); }
void FormFieldController::SpeedButton120Click() { runTagTextDialog<Tpassform>(m_host); }
void FormFieldController::SpeedButton121Click() { runTagTextDialog<TTextform>(m_host); }

} // namespace lumaro
