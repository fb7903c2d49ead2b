#include "pagechecker.h"
#include "pagepositions.h"

#include <tidy/tidy.h>
#include <tidy/tidybuffio.h>

#include <QSet>
#include <algorithm>
#include <memory>

namespace lumaro {

namespace {

struct RawReport {
    int line;
    int column;
    CheckLevel level;
    QString message;
};

struct Collector {
    QList<RawReport> reports;
    CheckLevels levels;
    bool keep = true;
};

Bool TIDY_CALL collect(TidyMessage message)
{
    auto *collector = static_cast<Collector *>(tidyGetAppData(tidyGetMessageDoc(message)));
    if (!collector || !collector->keep)
        return no;
    CheckLevel level;
    switch (tidyGetMessageLevel(message)) {
    case TidyInfo:
    case TidyAccess:
        level = CheckLevel::Info;
        break;
    case TidyWarning:
        level = CheckLevel::Warning;
        break;
    case TidyError:
    case TidyBadDocument:
    case TidyFatal:
        level = CheckLevel::Error;
        break;
    default:
        // Configuration notes and the dialogue summary say nothing about the page.
        return no;
    }
    if (!collector->levels.shows(level))
        return no;
    const char *text = tidyGetMessageDefault(message);
    collector->reports.append({tidyGetMessageLine(message), tidyGetMessageColumn(message), level,
                               QString::fromUtf8(text ? text : "")});
    return no; // nothing goes to Tidy's own error output
}

struct TidyDocDeleter {
    void operator()(TidyDoc doc) const { tidyRelease(doc); }
};
using TidyDocPtr = std::unique_ptr<std::remove_pointer_t<TidyDoc>, TidyDocDeleter>;

/// Parses text with the options every check uses; the collector receives the reports.
TidyDocPtr parse(const QByteArray &utf8, Collector *collector)
{
    TidyDocPtr doc(tidyCreate());
    tidySetAppData(doc.get(), collector);
    tidySetMessageCallback(doc.get(), collect);
    tidySetCharEncoding(doc.get(), "utf8");
    tidyOptSetInt(doc.get(), TidyShowErrors, 1000000);
    tidyOptSetBool(doc.get(), TidyShowWarnings, yes);
    tidyOptSetBool(doc.get(), TidyShowInfo, yes);
    tidyOptSetBool(doc.get(), TidyQuiet, yes);
    tidyOptSetInt(doc.get(), TidyTabSize, PageChecker::kTabSize);
    // The whole text with its length: a NUL in the page must not end it.
    TidyBuffer input;
    tidyBufInit(&input);
    tidyBufAttach(&input, reinterpret_cast<byte *>(const_cast<char *>(utf8.constData())), uint(utf8.size()));
    tidyParseBuffer(doc.get(), &input);
    tidyBufDetach(&input);
    return doc;
}

QString attributeValue(TidyNode node, TidyAttrId id)
{
    if (TidyAttr attr = tidyAttrGetById(node, id)) {
        const char *v = tidyAttrValue(attr);
        return QString::fromUtf8(v ? v : "");
    }
    return QString();
}

/// The text of a heading, for its outline label (first 60 characters).
QString headingText(TidyDoc doc, TidyNode node)
{
    QString text;
    QList<TidyNode> stack{tidyGetChild(node)};
    while (!stack.isEmpty() && text.size() < 60) {
        TidyNode n = stack.takeLast();
        if (!n)
            continue;
        stack.append(tidyGetNext(n));
        if (tidyNodeGetType(n) == TidyNode_Text) {
            TidyBuffer buf;
            tidyBufInit(&buf);
            if (tidyNodeGetValue(doc, n, &buf) && buf.bp)
                text += QString::fromUtf8(reinterpret_cast<const char *>(buf.bp), int(buf.size));
            tidyBufFree(&buf);
        } else {
            stack.append(tidyGetChild(n));
        }
    }
    return text.simplified().left(60);
}

void walk(TidyDoc doc, TidyNode node, int depth, PagePositions &positions, QList<OutlineEntry> &out)
{
    // Iterative over siblings, recursive over children: page depth is small,
    // but a page of 100,000 sibling paragraphs must not nest calls.
    for (TidyNode n = node; n; n = tidyGetNext(n)) {
        int childDepth = depth;
        const TidyNodeType type = tidyNodeGetType(n);
        if (type == TidyNode_Start || type == TidyNode_StartEnd) {
            const char *rawName = tidyNodeGetName(n);
            const QString name = QString::fromUtf8(rawName ? rawName : "").toUpper();
            const QString id = attributeValue(n, TidyAttr_ID);
            const QString nameAttr = attributeValue(n, TidyAttr_NAME);
            const int line = int(tidyNodeLine(n));
            // Elements Tidy added itself (an implied TABLE body, say) have no line.
            if (line > 0 && (PageChecker::isShapeElement(name) || !id.isEmpty() || !nameAttr.isEmpty())) {
                OutlineEntry entry;
                entry.name = name;
                entry.label = name;
                if (name.size() == 2 && name.at(0) == QLatin1Char('H') && name.at(1).isDigit()) {
                    const QString text = headingText(doc, n);
                    if (!text.isEmpty())
                        entry.label += QLatin1Char(' ') + text;
                }
                if (!id.isEmpty())
                    entry.label += QStringLiteral(" #") + id;
                else if (!nameAttr.isEmpty())
                    entry.label += QStringLiteral(" \"") + nameAttr + QLatin1Char('"');
                entry.line = line;
                entry.position = positions.position(line, int(tidyNodeColumn(n)));
                entry.depth = depth;
                out.append(entry);
                childDepth = depth + 1;
            }
        }
        if (TidyNode child = tidyGetChild(n))
            walk(doc, child, childDepth, positions, out);
    }
}

} // namespace

bool CheckLevels::shows(CheckLevel level) const
{
    switch (level) {
    case CheckLevel::Error:
        return errors;
    case CheckLevel::Warning:
        return warnings;
    case CheckLevel::Info:
        break;
    }
    return info;
}

bool PageChecker::isShapeElement(const QString &name)
{
    static const QSet<QString> shapes{
        QStringLiteral("H1"),    QStringLiteral("H2"),       QStringLiteral("H3"),    QStringLiteral("H4"),
        QStringLiteral("H5"),    QStringLiteral("H6"),       QStringLiteral("TABLE"), QStringLiteral("FORM"),
        QStringLiteral("FRAMESET"), QStringLiteral("FRAME"), QStringLiteral("UL"),    QStringLiteral("OL"),
        QStringLiteral("DL"),    QStringLiteral("MAP"),      QStringLiteral("DIV"),
    };
    return shapes.contains(name);
}

CheckResult PageChecker::check(const QString &text, const CheckLevels &levels)
{
    CheckResult result;
    Collector collector;
    collector.levels = levels;
    const QByteArray utf8 = text.toUtf8();
    TidyDocPtr doc = parse(utf8, &collector);
    // The outline is the tree as the page wrote it, before Tidy repairs it;
    // the repair pass then reports what the parse alone does not (unknown
    // attributes among them).
    PagePositions outlinePositions(text, kTabSize);
    walk(doc.get(), tidyGetRoot(doc.get()), 0, outlinePositions, result.outline);
    tidyCleanAndRepair(doc.get());
    // Tidy keeps the order it found things in; the panel lists by position,
    // and the position map walks forward fastest.
    std::stable_sort(collector.reports.begin(), collector.reports.end(), [](const RawReport &a, const RawReport &b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    PagePositions positions(text, kTabSize);
    result.problems.reserve(collector.reports.size());
    for (const RawReport &r : std::as_const(collector.reports))
        result.problems.append({r.line, r.column, r.level, r.message, positions.position(r.line, r.column)});
    return result;
}

QList<OutlineEntry> PageChecker::outline(const QString &text)
{
    Collector collector;
    collector.keep = false;
    const QByteArray utf8 = text.toUtf8();
    TidyDocPtr doc = parse(utf8, &collector);
    QList<OutlineEntry> entries;
    PagePositions positions(text, kTabSize);
    walk(doc.get(), tidyGetRoot(doc.get()), 0, positions, entries);
    return entries;
}

std::pair<int, int> PageChecker::problemRange(const QString &page, int position)
{
    const int size = int(page.size());
    if (size == 0)
        return {0, 0};
    position = std::clamp(position, 0, size - 1);
    int start = -1;
    if (page.at(position) == QLatin1Char('<')) {
        start = position;
    } else {
        // Inside a tag: the nearest "<" before, with no ">" between.
        for (int i = position; i >= 0 && position - i < 4096; --i) {
            if (page.at(i) == QLatin1Char('>') && i != position)
                break;
            if (page.at(i) == QLatin1Char('<')) {
                start = i;
                break;
            }
        }
    }
    if (start < 0)
        return {position, 1};
    const qsizetype close = page.indexOf(QLatin1Char('>'), start);
    const qsizetype nextOpen = page.indexOf(QLatin1Char('<'), start + 1);
    if (close < 0 || (nextOpen >= 0 && nextOpen < close)) {
        // An unclosed tag: select to the end of its line.
        qsizetype end = page.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = size;
        if (nextOpen >= 0 && nextOpen < end)
            end = nextOpen;
        return {start, int(end - start)};
    }
    return {start, int(close - start + 1)};
}

} // namespace lumaro
