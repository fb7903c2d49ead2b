#include "colorformats.h"

#include <QBrush>
#include <QFont>

#include <algorithm>

namespace lumaro {

double ColorFormats::pointSizeOf(int fontSize)
{
    const qint64 halfPoints = std::clamp<qint64>(2 * qint64(fontSize), 2, 3276);
    return double(halfPoints) / 2.0;
}

ColorFormats::ColorFormats(const ColorSettings &settings)
{
    if (!settings.fontName.isEmpty())
        m_base.setFontFamilies(QStringList{settings.fontName});
    m_base.setFontPointSize(pointSizeOf(settings.fontSize));
    m_base.setForeground(ColorTables::colorfraindex(0));

    for (int i = 0; i < kTagClassCount; ++i) {
        const TagClass c = TagClass(i);
        const FontStyle style = settings.styleOf(c);

        QTextCharFormat run = m_base;
        if (settings.usecolor)
            run.setForeground(settings.colorOf(c));
        if (settings.usefontattr) {
            if (style.bold)
                run.setFontWeight(QFont::Bold);
            if (style.italic)
                run.setFontItalic(true);
            if (style.underline)
                run.setFontUnderline(true);
        }
        m_loadRun[i] = run;

        QTextCharFormat mark;
        mark.setForeground(settings.colorOf(c));
        if (settings.usefontattr) {
            mark.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
            mark.setFontItalic(style.italic);
            mark.setFontUnderline(style.underline);
            mark.setFontStrikeOut(false);
        }
        m_mark[i] = mark;
    }
}

} // namespace lumaro
