#pragma once

#include "fontdialogbase.h"

namespace lumaro {

/// The "Font" dialog: writes a FONT element around text. A selection that
/// is no FONT element becomes the new element's text.
class Tfonttagdialog : public FontDialogBase {
    Q_OBJECT
public:
    explicit Tfonttagdialog(QWidget *parent = nullptr);
};

} // namespace lumaro
