#pragma once

#include "helpservice.h"

#include <QPointer>
#include <QStringList>

class QTextBrowser;
class QDialog;

namespace lumaro {

/// The in-program help viewer: one non-modal window with a QTextBrowser
/// showing the help file, scrolled to the requested topic.
///
/// The help text is the help file of the installation directory with the
/// topic fragments of its "help" folder (one file per subsystem, each topic
/// a heading with an anchor "ctx<N>") inserted at the mark "<!-- topics -->",
/// and an index of every topic inserted at the mark "<!-- index -->".
class HelpViewerService : public HelpService {
public:
    void showTopic(int context) override;
    void showIndex() override;
    void closeViewer() override;

    /// The whole help text as the viewer shows it.
    static QString document();
    /// Joins the help file's text with the fragments (in the given order)
    /// and builds the index of all topics, sorted by title.
    static QString assemble(const QString &mainText, const QStringList &fragments);
    /// The topics of a help text: anchor name ("ctx500") and title, in order.
    static QList<QPair<QString, QString>> topics(const QString &html);

private:
    void showAnchor(const QString &anchor);
    QPointer<QDialog> m_window;
    QTextBrowser *m_browser = nullptr;
};

} // namespace lumaro
