#include "progresswindow.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QVBoxLayout>

namespace lumaro {

ProgressWindow::ProgressWindow(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
    , m_bar(new QProgressBar(this))
{
    setWindowTitle(QStringLiteral("Working"));
    setWindowModality(Qt::ApplicationModal);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(m_bar);
    m_bar->setTextVisible(true);
    setFixedSize(320, 60);
}

void ProgressWindow::setMaximum(qint64 maximum)
{
    m_maximum = qMax<qint64>(0, maximum);
    m_shift = 0;
    while ((m_maximum >> m_shift) > std::numeric_limits<int>::max())
        ++m_shift;
    m_bar->setRange(0, int(m_maximum >> m_shift));
    m_bar->setValue(0);
    m_sinceRepaint.start();
}

void ProgressWindow::setPosition(qint64 position)
{
    m_bar->setValue(int(qBound<qint64>(0, position, m_maximum) >> m_shift));
    if (!m_sinceRepaint.isValid() || m_sinceRepaint.elapsed() >= 50) {
        m_sinceRepaint.start();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

} // namespace lumaro
