#pragma once

#include <QObject>
#include <memory>

namespace lumaro {

class PageHost;
class Tmapbuild;

/// Serves the image dialog's "MAP Builder": creates the one map builder for
/// the run, installs it as the map-builder call while the controller
/// lives, and lets it look up relative picture names in the active page's
/// directory.
class MapBuilderController : public QObject {
    Q_OBJECT
public:
    explicit MapBuilderController(PageHost &host, QObject *parent = nullptr);
    ~MapBuilderController() override;

    Tmapbuild *builder() const { return m_builder.get(); }

private:
    PageHost &m_host;
    std::unique_ptr<Tmapbuild> m_builder;
};

} // namespace lumaro
