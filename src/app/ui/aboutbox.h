#pragma once

#include <QDialog>

namespace lumaro {

/// The about box: the product name, its description and version, and OK.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);
};

} // namespace lumaro
