#pragma once

#include "texttagdialog.h"

namespace lumaro {

/// The phrase and font-style tag dialog, one instance shared by seventeen
/// commands: the launcher sets the tag name and shows it; each activation
/// titles the window with the name, empties the edit box and derives the
/// start and end tags from the name.
class Tfontstdialog : public TextTagDialog {
    Q_OBJECT
public:
    explicit Tfontstdialog(QWidget *parent = nullptr);

    /// The tag name ("STRONG", "EM", ...), set before showing.
    void setName(const QString &name) { m_name = name; }
    QString name() const { return m_name; }
    QString startTag() const { return m_startTag; }
    QString endTag() const { return m_endTag; }

protected:
    void FormActivate() override;

private:
    QString m_name;
    QString m_startTag;
    QString m_endTag;
};

} // namespace lumaro
