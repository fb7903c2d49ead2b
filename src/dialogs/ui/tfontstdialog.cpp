#include "tfontstdialog.h"
#include "helpcontexts.h"
#include "wraptag.h"

#include <QLineEdit>

namespace lumaro {

Tfontstdialog::Tfontstdialog(QWidget *parent)
    : TextTagDialog(QString(), QString(), helpcontext::PhraseTag, parent)
{
}

void Tfontstdialog::FormActivate()
{
    setWindowTitle(m_name);
    textEdit()->clear();
    m_startTag = WrapTag::startTag(m_name);
    m_endTag = WrapTag::endTag(m_name);
    setTagName(m_name);
}

} // namespace lumaro
