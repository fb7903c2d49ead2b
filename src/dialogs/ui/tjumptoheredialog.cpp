#include "tjumptoheredialog.h"
#include "helpcontexts.h"

namespace lumaro {

Tjumptoheredialog::Tjumptoheredialog(QWidget *parent)
    : AnchorNameDialog(parent, helpcontext::JumpToHere, QStringLiteral("Jump to here"))
{
}

JumpToHereLink Tjumptoheredialog::value() const
{
    return {name(), text()};
}

void Tjumptoheredialog::setValue(const JumpToHereLink &link)
{
    setFields(link.name, link.text);
}

} // namespace lumaro
