#pragma once

#include <QString>

namespace lumaro {

/// One search-and-replace order as the replace dialog hands it over: what to
/// find, what to put in its place, the find options and the scope.
struct ReplaceRequest {
    QString findText;
    QString replaceText;
    bool wholeWord = false;
    bool matchCase = false;
    bool fromCursor = false;
    bool entireScope = true;
    bool allOpenFiles = false;
    bool wholeProject = false;
};

} // namespace lumaro
