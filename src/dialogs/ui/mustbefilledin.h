#pragma once

class QWidget;

namespace lumaro {

/// Tells the user that a required box is empty ("Must be filled in", no
/// title, an OK button) and puts the focus into that box; the dialog stays
/// open.
void mustBeFilledIn(QWidget *dialog, QWidget *box);

} // namespace lumaro
