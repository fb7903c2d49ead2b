#pragma once

#include "searchstate.h"

#include <QObject>

namespace lumaro {

class PageHost;
class Tsoegdialog;
class thtmlrichedit;

/// The search commands of the main window: Search (F5, the toolbar's search
/// button) asks for the text in the search dialog, Search Again (F3) repeats
/// the last search from just past the current selection. Both select the
/// match in the active page or tell the user the text was not found.
///
/// The search text and options live here for the whole run and are shared
/// by every page.
class SearchController : public QObject {
    Q_OBJECT
public:
    /// Connects and enables the commands "soegbtn" (with the Search menu
    /// item) and "Sgigen1", and creates the search dialog once.
    explicit SearchController(PageHost &host, QObject *parent = nullptr);

    /// Search with the dialog.
    void soegbtnClick();
    /// Search Again: without the dialog.
    void Sgigen1Click();
    /// The search itself; showDialog false repeats the last search.
    void soeg(bool showDialog);

    /// The one search dialog, kept for the whole run.
    Tsoegdialog *dialog() const { return m_dialog; }
    const SearchState &state() const { return m_state; }

    /// Component names of the commands this controller serves.
    static QStringList searchCommandNames();
    static QStringList searchAgainCommandNames();

private:
    /// Finds the stored search text from start in the editor and selects
    /// the match, or shows the not-found message.
    void find(thtmlrichedit *editor, int start);
    void connectCommand(const QString &name, void (SearchController::*handler)());

    PageHost &m_host;
    Tsoegdialog *m_dialog = nullptr;
    SearchState m_state;
};

} // namespace lumaro
