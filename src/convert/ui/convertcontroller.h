#pragma once

#include "texportedit.h"
#include "timpexprichedit.h"

#include <QObject>

namespace lumaro {

class PageHost;

/// The converter commands of the main window: "RTF > HTML" (SpeedButton102),
/// "HTML > TXT" (SpeedButton103) and the menu item "RTF import / export"
/// (ImportExport1). It owns the two hidden converters.
///
/// The main window creates it once: `new ConvertController(host, this);`.
/// It connects the host's commands of those names that exist and enables
/// them.
class ConvertController : public QObject {
    Q_OBJECT
public:
    /// Documents longer than this (in positions) show the "Working" window.
    static constexpr qint64 kDefaultProgressThreshold = 100000;

    explicit ConvertController(PageHost &host, QObject *parent = nullptr);

    /// RTF import: asks for an RTF file, converts it and inserts the HTML
    /// at the active page's caret (or into a new page when none is open).
    void SpeedButton102Click();
    /// Plain text export of the active page's selection, or of the whole
    /// page, into a text file the user names.
    void SpeedButton103Click();
    /// The RTF import / export preferences dialog.
    void ImportExport1Click();

    timpexprichedit &importEditor() { return m_import; }
    texportedit &exportEditor() { return m_export; }

    void setProgressThreshold(qint64 positions) { m_progressThreshold = positions; }
    /// How many times the "Working" window was shown (for tests).
    int progressWindowsShown() const { return m_progressShown; }

private:
    void connectCommand(const char *name, void (ConvertController::*handler)());
    void report(const QString &message);

    PageHost &m_host;
    timpexprichedit m_import;
    texportedit m_export;
    qint64 m_progressThreshold = kDefaultProgressThreshold;
    int m_progressShown = 0;
};

} // namespace lumaro
