#pragma once

#include <QByteArray>

namespace lumaro {

class PageHost;

/// The open project as the whole-project replace needs it: whether a project
/// is open and its list as the project file image (a 256-byte header, then
/// 257-byte records of a length-prefixed file name and an open flag).
struct ReplaceProject {
    bool open = false;
    QByteArray list;
};

/// The host's open project; not open when the host has no project state.
ReplaceProject replaceProjectOf(PageHost &host);

} // namespace lumaro
