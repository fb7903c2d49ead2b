#pragma once

#include <QSplashScreen>

namespace lumaro {

/// The splash screen shown while the program starts: the product name on a
/// plain panel. The main window frees it when it is first shown.
class Tsplashscreen : public QSplashScreen {
    Q_OBJECT
public:
    Tsplashscreen();
};

} // namespace lumaro
