#include "replaceproject.h"
#include "pagehost.h"

namespace lumaro {

ReplaceProject replaceProjectOf(PageHost &host)
{
    ReplaceProject project;
    if (!host.projectState())
        return project;
    // TODO: read the open flag and the list image once the project state lands.
    return project;
}

} // namespace lumaro
