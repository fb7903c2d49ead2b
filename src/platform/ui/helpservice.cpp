#include "helpservice.h"
#include "helpviewer.h"

#include <QList>

namespace lumaro {

namespace {
HelpService *g_help = nullptr;
}

QString helpFileName() { return QStringLiteral("lumaro-help.html"); }

HelpService &help()
{
    static HelpViewerService viewer;
    return g_help ? *g_help : viewer;
}

void setHelp(HelpService *service) { g_help = service; }

RecordingHelp::RecordingHelp() { setHelp(this); }
RecordingHelp::~RecordingHelp() { setHelp(nullptr); }

} // namespace lumaro
