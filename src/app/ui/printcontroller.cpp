#include "printcontroller.h"
#include "interaction.h"
#include "pagehost.h"
#include "thtmlrichedit.h"

#include <QAction>
#include <QGuiApplication>
#include <QPrinter>

namespace lumaro {

namespace {

/// Shows the busy cursor for as long as it lives.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::BusyCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace

PrintController::PrintController(PageHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
{
    if (QAction *action = host.command(QStringLiteral("printbtn"))) {
        connect(action, &QAction::triggered, this, &PrintController::printbtnClick);
        if (host.pageCount() > 0)
            action->setEnabled(true);
    }
}

PrintController::~PrintController() = default;

QPrinter &PrintController::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void PrintController::printbtnClick()
{
    thtmlrichedit *editor = m_host.activeEditor();
    if (!editor)
        return;
    if (!interaction().print(m_host.hostWindow(), &printer()))
        return;
    const BusyCursor busy;
    editprint(*editor, printer());
}

void PrintController::editprint(thtmlrichedit &editor, QPrinter &printer)
{
    printer.setDocName(QString());
    editor.print(&printer);
}

} // namespace lumaro
