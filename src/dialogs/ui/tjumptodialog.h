#pragma once

#include "anchornamedialog.h"
#include "jumptolink.h"

namespace lumaro {

/// The "Jump to" dialog: anchor name and text of a link to a named place of the page, <A HREF="#name">.
/// The launcher fills and reads it.
class Tjumptodialog : public AnchorNameDialog {
    Q_OBJECT
public:
    explicit Tjumptodialog(QWidget *parent = nullptr);

    JumpToLink value() const;
    void setValue(const JumpToLink &link);
};

} // namespace lumaro
