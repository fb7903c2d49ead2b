#include "tjumptodialog.h"
#include "helpcontexts.h"

namespace lumaro {

Tjumptodialog::Tjumptodialog(QWidget *parent)
    : AnchorNameDialog(parent, helpcontext::JumpTo, QStringLiteral("Jump to"))
{
}

JumpToLink Tjumptodialog::value() const
{
    return {name(), text()};
}

void Tjumptodialog::setValue(const JumpToLink &link)
{
    setFields(link.name, link.text);
}

} // namespace lumaro
