#pragma once

#include "ttextform.h"

namespace lumaro {

/// The "Password" dialog: the text input dialog writing TYPE=PASSWORD.
class Tpassform : public TTextform {
    Q_OBJECT
public:
    explicit Tpassform(QWidget *parent = nullptr);
};

} // namespace lumaro
