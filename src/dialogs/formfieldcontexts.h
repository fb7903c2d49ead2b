#pragma once

namespace lumaro::helpcontext {

// Help context numbers of the form field dialogs (text input, text array,
// radio buttons, check box, password).
constexpr int TextInput = 1320;
constexpr int TextArray = 1330;
constexpr int RadioButtons = 1340;
constexpr int Checkbox = 1350;
constexpr int Password = 1370;

} // namespace lumaro::helpcontext
