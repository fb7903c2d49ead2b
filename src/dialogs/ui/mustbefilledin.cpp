#include "mustbefilledin.h"
#include "interaction.h"

#include <QWidget>

namespace lumaro {

void mustBeFilledIn(QWidget *dialog, QWidget *box)
{
    MessageRequest request;
    request.text = QStringLiteral("Must be filled in");
    request.buttons = QMessageBox::Ok;
    interaction().message(dialog, request);
    box->setFocus(Qt::OtherFocusReason);
}

} // namespace lumaro
