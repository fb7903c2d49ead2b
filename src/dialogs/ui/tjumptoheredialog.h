#pragma once

#include "anchornamedialog.h"
#include "jumptoherelink.h"

namespace lumaro {

/// The "Jump to here" dialog: anchor name and text of a named place to jump to, <A NAME="name">.
/// The launcher fills and reads it.
class Tjumptoheredialog : public AnchorNameDialog {
    Q_OBJECT
public:
    explicit Tjumptoheredialog(QWidget *parent = nullptr);

    JumpToHereLink value() const;
    void setValue(const JumpToHereLink &link);
};

} // namespace lumaro
