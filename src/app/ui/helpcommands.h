#pragma once

#include <QObject>

namespace lumaro {

class PageHost;

/// The Help menu's "&Index" (F1): opens the help file at its index in the
/// help viewer.
class HelpCommands : public QObject {
    Q_OBJECT
public:
    /// Connects and enables "Indeks1".
    explicit HelpCommands(PageHost &host, QObject *parent = nullptr);

    void Indeks1Click();
};

} // namespace lumaro
