#pragma once

#include "replaceproject.h"
#include "replacerequest.h"

#include <QByteArray>
#include <QObject>
#include <functional>

namespace lumaro {

class PageHost;

/// The "Search and replace" command (Ctrl+R): asks for the texts and scope in
/// the replace dialog, then replaces every occurrence without asking, in the
/// active page, in every open page, or in every open page and every file of
/// the open project.
class ReplaceController : public QObject {
    Q_OBJECT
public:
    using Project = ReplaceProject;

    /// Connects and enables the command "sgogerstat1".
    explicit ReplaceController(PageHost &host, QObject *parent = nullptr);

    /// Shows the replace dialog and runs the chosen pass.
    void sgogerstat1Click();

    /// Runs one replace order: the whole-project pass (open pages from the
    /// last tab down, then every file of the project list through a hidden
    /// scratch editor), the all-pages pass, or the active page alone. An
    /// empty find text replaces nothing.
    void runReplace(const ReplaceRequest &request);

    /// Where the project comes from; by default the host's project state.
    void setProjectSource(std::function<Project()> source) { m_projectSource = std::move(source); }
    Project project() const;

private:
    PageHost &m_host;
    std::function<Project()> m_projectSource;
};

} // namespace lumaro
