#include "thtmlrichedit.h"

namespace lumaro {

thtmlrichedit::thtmlrichedit(QWidget *parent)
    : RichEdit(parent)
{
}

bool thtmlrichedit::loadcolored(const QString &fileName, QString *error)
{
    const TextFileResult file = TextFile::read(fileName);
    if (!file.ok) {
        if (error)
            *error = file.error;
        return false;
    }
    m_encoding = file.encoding;
    loadcoloredText(file.text);
    return true;
}

void thtmlrichedit::loadcoloredText(const QString &text)
{
    loadPlainText(text);
}

void thtmlrichedit::replaceSelection(const QString &text)
{
    replaceSel(text);
}

void thtmlrichedit::cursorhere()
{
    const QString marker = QStringLiteral("<CursorHere>");
    const int at = findText(marker, 0, -1, false, true);
    if (at < 0)
        return;
    setSelection(at, int(marker.size()));
    replaceSel(QString());
}

void thtmlrichedit::color()
{
}

int thtmlrichedit::replace(bool, bool, bool, bool, bool, bool, const QString &, const QString &,
                           const QByteArray &)
{
    return 0;
}

void thtmlrichedit::editcut() { cut(); }
void thtmlrichedit::editcopy() { copy(); }
void thtmlrichedit::editpaste() { paste(); }

QString thtmlrichedit::skrivcursorpos() const
{
    return QString();
}

} // namespace lumaro
