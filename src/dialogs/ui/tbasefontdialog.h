#pragma once

#include "fontdialogbase.h"

namespace lumaro {

/// The "Base Font" dialog: writes or rewrites one BASEFONT tag.
class Tbasefontdialog : public FontDialogBase {
    Q_OBJECT
public:
    explicit Tbasefontdialog(QWidget *parent = nullptr);
};

} // namespace lumaro
