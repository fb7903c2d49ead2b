#pragma once

#include "helpservice.h"

#include <QPointer>

class QTextBrowser;
class QDialog;

namespace lumaro {

/// The in-program help viewer: one non-modal window with a QTextBrowser
/// showing the help file, scrolled to the requested topic.
class HelpViewerService : public HelpService {
public:
    void showTopic(int context) override;
    void showIndex() override;

private:
    void showAnchor(const QString &anchor);
    QPointer<QDialog> m_window;
    QTextBrowser *m_browser = nullptr;
};

} // namespace lumaro
