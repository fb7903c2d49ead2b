#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace lumaro {

/// Shows topics of the HTML help file ("lumaro-help.html" in the installation
/// directory; one anchor "ctx<N>" per help context number) in the program's
/// own help viewer.
class HelpService {
public:
    virtual ~HelpService() = default;
    virtual void showTopic(int context) = 0;
    virtual void showIndex() = 0;
    /// Closes the viewer, if one is showing: it goes with the main window.
    virtual void closeViewer() {}
};

HelpService &help();
void setHelp(HelpService *service);

/// Help for tests: records the requested context numbers (-1 for the index).
class RecordingHelp : public HelpService {
public:
    RecordingHelp();
    ~RecordingHelp() override;
    QList<int> topics;
    void showTopic(int context) override { topics.append(context); }
    void showIndex() override { topics.append(-1); }
};

/// Name of the help file in the installation directory.
QString helpFileName();

} // namespace lumaro
