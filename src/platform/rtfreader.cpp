#include "rtfreader.h"

#include "rtfparser.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <vector>

namespace lumaro {

namespace {

QTextCharFormat toFormat(const RtfCharState &state, const RtfContent &content)
{
    QTextCharFormat format;
    const QString face = content.fonts.value(state.font < 0 ? content.defaultFont : state.font);
    if (!face.isEmpty())
        format.setFontFamilies({face});
    format.setFontPointSize(state.halfPoints / 2.0);
    if (state.color >= 0 && std::size_t(state.color) < content.colors.size()) {
        if (const auto &color = content.colors[std::size_t(state.color)])
            format.setForeground(*color);
    }
    if (state.bold)
        format.setFontWeight(QFont::Bold);
    if (state.italic)
        format.setFontItalic(true);
    if (state.underline)
        format.setFontUnderline(true);
    if (state.strikeOut)
        format.setFontStrikeOut(true);
    return format;
}

} // namespace

RtfReader::Result RtfReader::read(const QByteArray &data, QTextDocument *document)
{
    Result result;
    RtfParser parser(data);
    if (!document || !parser.parse()) {
        result.error = QStringLiteral("Not an RTF document");
        return result;
    }
    const RtfContent content = parser.takeContent();

    std::vector<QTextCharFormat> formats;
    formats.reserve(content.styles.size());
    for (const RtfCharState &style : content.styles)
        formats.push_back(toFormat(style, content));

    // Loading is not an edit the user can undo; without undo records a large
    // document also loads much faster.
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    document->clear();

    QTextCursor cursor(document);
    cursor.beginEditBlock();
    if (content.text.isEmpty()) {
        // An empty document still carries the format typing starts with.
        cursor.setBlockCharFormat(toFormat(content.finalState, content));
        cursor.setCharFormat(toFormat(content.finalState, content));
    }
    const int length = int(content.text.size());
    for (std::size_t i = 0; i < content.runs.size(); ++i) {
        const int start = content.runs[i].start;
        const int end = i + 1 < content.runs.size() ? content.runs[i + 1].start : length;
        if (end > start)
            cursor.insertText(QString::fromRawData(content.text.constData() + start, end - start),
                              formats[std::size_t(content.runs[i].style)]);
    }
    for (const auto &[paragraph, alignment] : content.alignedParagraphs) {
        QTextBlock block = document->findBlockByNumber(paragraph);
        if (!block.isValid())
            continue;
        QTextCursor blockCursor(block);
        QTextBlockFormat blockFormat = block.blockFormat();
        blockFormat.setAlignment(alignment);
        blockCursor.setBlockFormat(blockFormat);
    }
    cursor.endEditBlock();

    document->setUndoRedoEnabled(undo);
    document->setModified(false);
    result.ok = true;
    result.truncated = content.truncated;
    return result;
}

} // namespace lumaro
