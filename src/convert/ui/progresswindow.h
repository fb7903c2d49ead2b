#pragma once

#include <QElapsedTimer>
#include <QWidget>

class QProgressBar;

namespace lumaro {

/// The "Working" window: a progress bar shown while a long conversion runs
/// on the GUI thread. Updates repaint it at most every few milliseconds,
/// without letting user input through.
class ProgressWindow : public QWidget {
    Q_OBJECT
public:
    explicit ProgressWindow(QWidget *parent = nullptr);

    void setMaximum(qint64 maximum);
    /// Moves the bar; repaints now and then.
    void setPosition(qint64 position);

    QProgressBar *bar() const { return m_bar; }

private:
    QProgressBar *m_bar;
    qint64 m_maximum = 0;
    // The bar holds an int; long documents are shown scaled.
    int m_shift = 0;
    QElapsedTimer m_sinceRepaint;
};

} // namespace lumaro
