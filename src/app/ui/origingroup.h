#pragma once

class QGroupBox;
class QRadioButton;
class QWidget;

namespace lumaro {

/// The "Orgin" box of the search dialogs (the caption is the program's own
/// spelling): "From cursor" and "Entire scope", the latter chosen.
QGroupBox *makeOriginGroup(QWidget *parent, QRadioButton **fromCursor, QRadioButton **entireScope);

} // namespace lumaro
