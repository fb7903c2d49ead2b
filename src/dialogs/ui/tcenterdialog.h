#pragma once

#include "helpcontexts.h"
#include "texttagdialog.h"

namespace lumaro {

/// The "Center" text dialog, shown by the center command when nothing is
/// selected; OK gives <CENTER> + text + </CENTER>.
class Tcenterdialog : public TextTagDialog {
    Q_OBJECT
public:
    explicit Tcenterdialog(QWidget *parent = nullptr)
        : TextTagDialog(QStringLiteral("Center"), QStringLiteral("CENTER"), helpcontext::Center, parent)
    {
    }
};

} // namespace lumaro
