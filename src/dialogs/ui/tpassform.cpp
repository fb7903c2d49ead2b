#include "tpassform.h"
#include "formfieldcontexts.h"

namespace lumaro {

Tpassform::Tpassform(QWidget *parent)
    : TTextform(parent, TextInputTag::Type::Password, QStringLiteral("Password"), helpcontext::Password)
{
}

} // namespace lumaro
