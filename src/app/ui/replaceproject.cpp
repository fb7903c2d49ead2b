#include "replaceproject.h"
#include "pagehost.h"
#include "projectstate.h"

namespace lumaro {

ReplaceProject replaceProjectOf(PageHost &host)
{
    ReplaceProject project;
    if (const ProjectState *state = host.projectState()) {
        project.open = state->isOpen();
        project.list = state->list();
    }
    return project;
}

} // namespace lumaro
