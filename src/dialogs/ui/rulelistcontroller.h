#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace lumaro {

class PageHost;
class thtmlrichedit;

/// Runs the horizontal rule, marquee and list builder commands of the main
/// window: each reads the active page's selection, runs its dialog and hands
/// the result to the page's replace-selection operation. Cancel leaves the
/// page untouched.
///
/// The constructor connects the commands the host has registered under their
/// component names ("SpeedButton70" marquee, "SpeedButton71" horizontal
/// rule, "SpeedButton7" list builder) and enables them; user shortcuts run
/// the same actions.
class RuleListController : public QObject {
    Q_OBJECT
public:
    explicit RuleListController(PageHost &host, QObject *parent = nullptr);

    void SpeedButton70Click();  ///< marquee
    void SpeedButton71Click();  ///< horizontal rule
    void SpeedButton7Click();   ///< list builder

    /// Runs a command by the name a user shortcut stores ("marque",
    /// "horbreak", "listbuilder", quoted as stored); false when the name is
    /// not one of this controller's commands.
    bool runByShortcutName(const QString &name);

private:
    void connectCommand(const QString &name, void (RuleListController::*handler)());

    PageHost &m_host;
};

} // namespace lumaro
