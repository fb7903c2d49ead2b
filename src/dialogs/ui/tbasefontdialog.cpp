#include "tbasefontdialog.h"
#include "helpcontexts.h"

namespace lumaro {

Tbasefontdialog::Tbasefontdialog(QWidget *parent)
    : FontDialogBase(FontTag::Kind::BaseFont, helpcontext::BaseFont, parent)
{
    setWindowTitle(QStringLiteral("Base Font"));
}

} // namespace lumaro
