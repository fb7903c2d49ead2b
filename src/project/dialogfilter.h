#pragma once

#include <QString>

namespace lumaro {

/// File type filters as the program's text table writes them
/// ("Description|pattern;pattern|Description|pattern"), turned into the
/// ";;"-separated form the file dialogs take ("Description (pattern pattern)").
/// "*.*" becomes "*", which matches every file on every platform.
QString dialogFilter(const QString &pipeFilter);

} // namespace lumaro
