#pragma once

#include "helpcontexts.h"
#include "texttagdialog.h"

namespace lumaro {

/// The "Italic" text dialog, shown by the italic command when nothing is
/// selected; OK gives <I> + text + </I>.
class TITALIC : public TextTagDialog {
    Q_OBJECT
public:
    explicit TITALIC(QWidget *parent = nullptr)
        : TextTagDialog(QStringLiteral("Italic"), QStringLiteral("I"), helpcontext::Italic, parent)
    {
    }
};

} // namespace lumaro
