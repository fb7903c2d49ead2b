#include "formcontroller.h"
#include "pagecommand.h"
#include "tbuttonform.h"
#include "tform_tag.h"
#include "tselectform.h"

namespace lumaro {

FormController::FormController(PageHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
{
    connectPageCommand(host, QStringLiteral("SpeedButton113"), this, [this] { SpeedButton113Click(); });
    connectPageCommand(host, QStringLiteral("SpeedButton118"), this, [this] { SpeedButton118Click(); });
    connectPageCommand(host, QStringLiteral("SpeedButton119"), this, [this] { SpeedButton119Click(); });
}

void FormController::SpeedButton113Click() { runTagTextDialog<Tform_tag>(m_host); }
void FormController::SpeedButton118Click() { runTagTextDialog<TButtonform>(m_host); }
void FormController::SpeedButton119Click() { runTagTextDialog<Tselectform>(m_host); }

} // namespace lumaro
