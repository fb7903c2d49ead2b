#pragma once

#include "helpcontexts.h"
#include "texttagdialog.h"

namespace lumaro {

/// The "Bold" text dialog, shown by the bold command when nothing is
/// selected; OK gives <B> + text + </B>.
class TBold : public TextTagDialog {
    Q_OBJECT
public:
    explicit TBold(QWidget *parent = nullptr)
        : TextTagDialog(QStringLiteral("Bold"), QStringLiteral("B"), helpcontext::Bold, parent)
    {
    }
};

} // namespace lumaro
