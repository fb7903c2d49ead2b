#include "mapbuildercontroller.h"

#include "pagehost.h"
#include "tmapbuild.h"

#include <QFileInfo>

namespace lumaro {

MapBuilderController::MapBuilderController(PageHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_builder(std::make_unique<Tmapbuild>())
{
    m_builder->setPageDirectory([this]() -> QString {
        if (m_host.pageCount() == 0 || !m_host.pageHasFile(m_host.activePage()))
            return {};
        return QFileInfo(m_host.pageFileName(m_host.activePage())).absolutePath();
    });
    setImageMapBuilder(m_builder.get());
}

MapBuilderController::~MapBuilderController()
{
    if (imageMapBuilder() == m_builder.get())
        setImageMapBuilder(nullptr);
}

} // namespace lumaro
