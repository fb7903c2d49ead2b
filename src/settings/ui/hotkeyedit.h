#pragma once

#include <QKeySequenceEdit>

namespace lumaro {

/// The hot-key field of the new-shortcut dialog: records one key
/// combination held with Ctrl or Alt and mapped to a stored value. A plain
/// key, a Shift combination or a key outside the key table leaves the field
/// empty. Tab and Shift+Tab move on to the next field as elsewhere; Enter
/// and Escape reach the dialog.
class HotKeyEdit : public QKeySequenceEdit {
    Q_OBJECT
public:
    explicit HotKeyEdit(QWidget *parent = nullptr);

    /// The stored value of the combination, 0 when empty.
    quint16 key() const { return m_key; }
    /// Shows a stored value; an unmapped one empties the field.
    void setKey(quint16 key);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    quint16 m_key = 0;
};

} // namespace lumaro
