#pragma once

#include <QObject>
#include <QPointer>

namespace lumaro {

class PageHost;
class Turlbil;

/// Runs the image commands of the main window: the image dialog, quick
/// anchor and quick image. It also owns the long-lived link builder and
/// installs it as the picker behind every address field's URL button.
///
/// The commands only move text between the active page and their dialog
/// or file dialog; Cancel leaves the page untouched.
class ImageLinkController : public QObject {
    Q_OBJECT
public:
    explicit ImageLinkController(PageHost &host, QObject *parent = nullptr);
    ~ImageLinkController() override;

    Turlbil *linkBuilder() const;

    void SpeedButton8Click();  ///< image dialog
    void SpeedButton10Click(); ///< quick anchor
    void SpeedButton11Click(); ///< quick image

private:
    void connectCommand(const QString &name, void (ImageLinkController::*handler)());

    PageHost &m_host;
    QPointer<Turlbil> m_urlbil;
};

} // namespace lumaro
