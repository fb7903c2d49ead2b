#pragma once

#include "helpcontexts.h"
#include "texttagdialog.h"

namespace lumaro {

/// The "Underline" text dialog, shown by the underline command when nothing is
/// selected; OK gives <U> + text + </U>.
class TUnderlinieret : public TextTagDialog {
    Q_OBJECT
public:
    explicit TUnderlinieret(QWidget *parent = nullptr)
        : TextTagDialog(QStringLiteral("Underline"), QStringLiteral("U"), helpcontext::Underline, parent)
    {
    }
};

} // namespace lumaro
