#pragma once

#include <QObject>
#include <memory>

class QPrinter;

namespace lumaro {

class PageHost;
class thtmlrichedit;

/// The Print command: the print dialog, then one print job of the active
/// page's formatted text (tag colours included) on the chosen printer. The
/// printer keeps the user's choices for the next print.
class PrintController : public QObject {
    Q_OBJECT
public:
    /// Connects "printbtn" (enabled while a page is open).
    explicit PrintController(PageHost &host, QObject *parent = nullptr);
    ~PrintController() override;

    /// Print dialog; unless cancelled, prints the active page with the busy
    /// cursor showing.
    void printbtnClick();
    /// Prints the editor's formatted content on the printer, with an empty
    /// document title.
    static void editprint(thtmlrichedit &editor, QPrinter &printer);

    /// The printer the dialog configures, kept between prints. Made on
    /// first use, as asking the print system for its default printer can take
    /// a moment.
    QPrinter &printer();

private:
    PageHost &m_host;
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace lumaro
