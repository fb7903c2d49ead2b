#include "searchstate.h"

namespace lumaro {

unsigned char SearchState::optionsFrom(bool wholeWord, bool matchCase)
{
    return static_cast<unsigned char>((wholeWord ? WholeWord : 0) | (matchCase ? MatchCase : 0));
}

int SearchState::startPosition(bool entireScope, int selectionStart, const QString &searchText)
{
    if (entireScope)
        return 0;
    return qMax(0, selectionStart) + int(searchText.size());
}

QString SearchState::notFoundMessage(const QString &searchText)
{
    return QStringLiteral("Could not find \"") + searchText + QStringLiteral("\" !");
}

} // namespace lumaro
