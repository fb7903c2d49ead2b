#include "tfonttagdialog.h"
#include "helpcontexts.h"

namespace lumaro {

Tfonttagdialog::Tfonttagdialog(QWidget *parent)
    : FontDialogBase(FontTag::Kind::Font, helpcontext::Font, parent)
{
    setWindowTitle(QStringLiteral("Font"));
}

} // namespace lumaro
