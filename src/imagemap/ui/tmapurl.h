#pragma once

#include "maparea.h"
#include "tagdialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace lumaro {

/// "Map URL": the properties of one area. Shows its type, size and
/// placement and edits its URL (which must be filled in) and comment.
class Tmapurl : public TagDialog {
    Q_OBJECT
public:
    explicit Tmapurl(QWidget *parent = nullptr);

    /// Fills the dialog from an area entry.
    void setValue(const MapArea &area);
    /// The URL and comment as typed, cut to 255 characters.
    QString url() const;
    QString comment() const;

    QLineEdit *urlEdit() const { return m_url; }
    QLineEdit *commentEdit() const { return m_comment; }
    QPushButton *urlButton() const { return m_urlButton; }
    QLabel *typeLabel() const { return m_type; }
    QLabel *sizeLabel() const { return m_size; }
    QLabel *placementLabel() const { return m_placement; }

    void accept() override;

protected:
    void FormActivate() override;
    QWidget *firstInput() const override;

private:
    void URLButtonClick();
    bool refuse(QWidget *field, const QString &text);

    QLabel *m_type;
    QLabel *m_size;
    QLabel *m_placement;
    QLineEdit *m_url;
    QLineEdit *m_comment;
    QPushButton *m_urlButton;
};

} // namespace lumaro
