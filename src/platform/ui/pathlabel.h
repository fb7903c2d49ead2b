#pragma once

#include <QLabel>

namespace lumaro {

/// A label that shows a path: when the path is wider than the label it is
/// shortened in the middle, so the file name at its end stays visible, and
/// the whole path shows as the tooltip. text() is always the whole path.
class PathLabel : public QLabel {
    Q_OBJECT
public:
    explicit PathLabel(QWidget *parent = nullptr);

    /// The text as painted in the label's present width.
    QString shownText() const;

    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace lumaro
