#include "linkscanner.h"

namespace lumaro {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\n' || c == u'\t' || c == u'\r' || c == u'\f';
}

bool isNameChar(QChar c)
{
    return !isBlank(c) && c != u'>' && c != u'=' && c != u'/' && c != u'"' && c != u'\'' && c != u'<';
}

bool equalsUpper(QStringView name, QLatin1StringView upper)
{
    return name.compare(upper, Qt::CaseInsensitive) == 0;
}

// The address attributes, by element; one look-up per attribute of a tag.
struct AddressRule {
    const char *tag;
    const char *attributes[4];
};
constexpr AddressRule kRules[] = {
    {"A", {"HREF"}},
    {"AREA", {"HREF"}},
    {"IMG", {"SRC", "LOWSRC", "DYNSRC", "USEMAP"}},
    {"BODY", {"BACKGROUND"}},
    {"FRAME", {"SRC"}},
    {"IFRAME", {"SRC"}},
    {"FORM", {"ACTION"}},
    {"LINK", {"HREF"}},
    {"SCRIPT", {"SRC"}},
    {"BGSOUND", {"SRC"}},
    {"EMBED", {"SRC"}},
    {"INPUT", {"SRC"}},
};

bool isAddress(QStringView tag, QStringView attribute)
{
    for (const AddressRule &rule : kRules) {
        if (!equalsUpper(tag, QLatin1StringView(rule.tag)))
            continue;
        for (const char *a : rule.attributes)
            if (a && equalsUpper(attribute, QLatin1StringView(a)))
                return true;
        return false;
    }
    return false;
}

// Index of the first case-insensitive match of an ASCII needle from "from", or -1.
qsizetype findInsensitive(QStringView text, QLatin1StringView needle, qsizetype from)
{
    return text.indexOf(needle, from, Qt::CaseInsensitive);
}

// One attribute as written: its name, and its value with where it stands.
struct RawAttribute {
    QStringView name;
    QStringView value;
    qsizetype valueAt = -1; ///< -1 for a bare attribute
};

class Scanner {
public:
    explicit Scanner(const QString &text) : m_text(text) {}

    PageLinks run()
    {
        const qsizetype n = m_text.size();
        qsizetype i = 0;
        while (i < n) {
            const qsizetype lt = m_text.indexOf(u'<', i);
            if (lt < 0 || lt + 1 >= n)
                break;
            const QChar next = m_text[lt + 1];
            if (next == u'!') {
                i = skipDeclaration(lt);
            } else if (next == u'/' || next == u'?') {
                const qsizetype gt = m_text.indexOf(u'>', lt);
                i = gt < 0 ? n : gt + 1;
            } else if (next.isLetter()) {
                i = startTag(lt);
            } else {
                i = lt + 1;
            }
        }
        return std::move(m_links);
    }

private:
    qsizetype skipDeclaration(qsizetype lt)
    {
        if (QStringView(m_text).mid(lt, 4) == QLatin1StringView("<!--")) {
            // A comment runs to "-->"; one never closed hides the rest.
            const qsizetype end = m_text.indexOf(QLatin1StringView("-->"), lt + 4);
            return end < 0 ? m_text.size() : end + 3;
        }
        const qsizetype gt = m_text.indexOf(u'>', lt);
        return gt < 0 ? m_text.size() : gt + 1;
    }

    qsizetype startTag(qsizetype lt)
    {
        const qsizetype n = m_text.size();
        qsizetype i = lt + 1;
        while (i < n && isNameChar(m_text[i]))
            ++i;
        const QStringView tag = QStringView(m_text).mid(lt + 1, i - lt - 1);
        m_attributes.clear();
        while (i < n) {
            while (i < n && (isBlank(m_text[i]) || m_text[i] == u'/'))
                ++i;
            if (i >= n || m_text[i] == u'>')
                break;
            if (m_text[i] == u'<')
                break; // an unclosed tag: the next one starts here
            const qsizetype nameAt = i;
            while (i < n && isNameChar(m_text[i]))
                ++i;
            if (i == nameAt) {
                ++i; // a stray quote
                continue;
            }
            RawAttribute attribute;
            attribute.name = QStringView(m_text).mid(nameAt, i - nameAt);
            qsizetype j = i;
            while (j < n && isBlank(m_text[j]))
                ++j;
            if (j < n && m_text[j] == u'=') {
                ++j;
                while (j < n && isBlank(m_text[j]))
                    ++j;
                if (j < n && (m_text[j] == u'"' || m_text[j] == u'\'')) {
                    const QChar quote = m_text[j];
                    const qsizetype close = m_text.indexOf(quote, j + 1);
                    const qsizetype end = close < 0 ? n : close;
                    attribute.valueAt = j + 1;
                    attribute.value = QStringView(m_text).mid(j + 1, end - j - 1);
                    i = close < 0 ? n : close + 1;
                } else {
                    qsizetype k = j;
                    while (k < n && !isBlank(m_text[k]) && m_text[k] != u'>')
                        ++k;
                    attribute.valueAt = j;
                    attribute.value = QStringView(m_text).mid(j, k - j);
                    i = k;
                }
            }
            m_attributes.append(attribute);
        }
        const qsizetype tagEnd = i < n && m_text[i] == u'>' ? i + 1 : i;
        takeAttributes(tag);

        if (equalsUpper(tag, QLatin1StringView("SCRIPT")))
            return skipElementText(tagEnd, QLatin1StringView("</script"));
        if (equalsUpper(tag, QLatin1StringView("STYLE"))) {
            const qsizetype end = skipElementText(tagEnd, QLatin1StringView("</style"));
            const qsizetype close = findInsensitive(m_text, QLatin1StringView("</style"), tagEnd);
            const qsizetype cssEnd = close < 0 ? m_text.size() : close;
            addStyleUrls(QStringView(m_text).mid(tagEnd, cssEnd - tagEnd), tagEnd, QString());
            return end;
        }
        return tagEnd;
    }

    qsizetype skipElementText(qsizetype from, QLatin1StringView endTag)
    {
        const qsizetype close = findInsensitive(m_text, endTag, from);
        return close < 0 ? m_text.size() : close;
    }

    void takeAttributes(QStringView tag)
    {
        const bool a = equalsUpper(tag, QLatin1StringView("A"));
        const bool map = equalsUpper(tag, QLatin1StringView("MAP"));
        QString upperTag;
        for (const RawAttribute &attribute : std::as_const(m_attributes)) {
            if (attribute.valueAt < 0)
                continue;
            if (equalsUpper(attribute.name, QLatin1StringView("ID"))) {
                m_links.anchors.insert(LinkScanner::decodeEntities(attribute.value).trimmed());
            } else if ((a || map) && equalsUpper(attribute.name, QLatin1StringView("NAME"))) {
                const QString name = LinkScanner::decodeEntities(attribute.value).trimmed();
                m_links.anchors.insert(name);
                if (map)
                    m_links.maps.insert(name);
            } else if (equalsUpper(attribute.name, QLatin1StringView("STYLE"))) {
                addStyleUrls(attribute.value, attribute.valueAt, tag.toString().toUpper());
            } else if (isAddress(tag, attribute.name)) {
                if (upperTag.isEmpty())
                    upperTag = tag.toString().toUpper();
                addReference(upperTag, attribute.name.toString().toUpper(), attribute.value, attribute.valueAt);
            }
        }
    }

    void addReference(const QString &tag, const QString &attribute, QStringView raw, qsizetype at)
    {
        // The reference points at the address itself, blanks around it left out.
        qsizetype start = 0;
        qsizetype end = raw.size();
        while (start < end && isBlank(raw[start]))
            ++start;
        while (end > start && isBlank(raw[end - 1]))
            --end;
        PageReference reference;
        reference.tag = tag;
        reference.attribute = attribute;
        reference.value = LinkScanner::decodeEntities(raw.mid(start, end - start));
        reference.position = int(at + start);
        reference.length = int(end - start);
        m_links.references.append(std::move(reference));
    }

    void addStyleUrls(QStringView css, qsizetype at, const QString &tag)
    {
        if (!css.contains(QLatin1StringView("url"), Qt::CaseInsensitive))
            return;
        for (const LinkScanner::StyleUrl &url : LinkScanner::styleUrls(css)) {
            PageReference reference;
            reference.tag = tag.isEmpty() ? QStringLiteral("STYLE") : tag;
            reference.attribute = tag.isEmpty() ? QString() : QStringLiteral("STYLE");
            reference.value = tag.isEmpty() ? url.value : LinkScanner::decodeEntities(url.value);
            // url(&quot;a.gif&quot;) in an attribute: the quotes were entities.
            if (reference.value.size() >= 2 && (reference.value.front() == u'"' || reference.value.front() == u'\'')
                && reference.value.back() == reference.value.front())
                reference.value = reference.value.mid(1, reference.value.size() - 2);
            reference.position = int(at + url.offset);
            reference.length = url.length;
            m_links.references.append(std::move(reference));
        }
    }

    const QString &m_text;
    PageLinks m_links;
    QList<RawAttribute> m_attributes;
};

} // namespace

bool LinkScanner::isAddressAttribute(const QString &upperTag, const QString &upperAttribute)
{
    return isAddress(upperTag, upperAttribute);
}

PageLinks LinkScanner::scan(const QString &pageText)
{
    return Scanner(pageText).run();
}

QString LinkScanner::decodeEntities(QStringView text)
{
    if (!text.contains(u'&'))
        return text.toString();
    static const struct {
        const char *name;
        char16_t ch;
    } named[] = {{"amp", u'&'}, {"lt", u'<'}, {"gt", u'>'}, {"quot", u'"'}, {"apos", u'\''}, {"nbsp", 0xA0}};
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        const qsizetype semi = c == u'&' ? text.indexOf(u';', i + 1) : -1;
        if (semi < 0 || semi - i > 10) {
            out.append(c);
            ++i;
            continue;
        }
        const QStringView body = text.mid(i + 1, semi - i - 1);
        bool done = false;
        if (body.startsWith(u'#') && body.size() > 1) {
            bool ok = false;
            const bool hex = body[1] == u'x' || body[1] == u'X';
            const uint code = body.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
            if (ok && code > 0 && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF)) {
                const char32_t ch = char32_t(code);
                out.append(QString::fromUcs4(&ch, 1));
                done = true;
            }
        } else {
            for (const auto &entity : named) {
                if (body == QLatin1StringView(entity.name)) {
                    out.append(QChar(entity.ch));
                    done = true;
                    break;
                }
            }
        }
        if (done) {
            i = semi + 1;
        } else {
            out.append(c);
            ++i;
        }
    }
    return out;
}

QList<LinkScanner::StyleUrl> LinkScanner::styleUrls(QStringView css)
{
    QList<StyleUrl> urls;
    const qsizetype n = css.size();
    qsizetype i = 0;
    while (i < n) {
        if (css[i] == u'/' && i + 1 < n && css[i + 1] == u'*') {
            const qsizetype end = css.indexOf(QLatin1StringView("*/"), i + 2);
            if (end < 0)
                break;
            i = end + 2;
            continue;
        }
        if (i + 4 <= n && css.mid(i, 4).compare(QLatin1StringView("url("), Qt::CaseInsensitive) == 0
            && (i == 0 || !css[i - 1].isLetterOrNumber())) {
            qsizetype j = i + 4;
            while (j < n && isBlank(css[j]))
                ++j;
            qsizetype start = j;
            qsizetype end;
            if (j < n && (css[j] == u'"' || css[j] == u'\'')) {
                const QChar quote = css[j];
                start = j + 1;
                end = css.indexOf(quote, start);
                if (end < 0)
                    break;
                const qsizetype close = css.indexOf(u')', end);
                i = close < 0 ? n : close + 1;
            } else {
                end = css.indexOf(u')', j);
                if (end < 0)
                    break;
                i = end + 1;
                while (end > start && isBlank(css[end - 1]))
                    --end;
            }
            if (end > start)
                urls.append({css.mid(start, end - start).toString(), int(start), int(end - start)});
            continue;
        }
        ++i;
    }
    return urls;
}

} // namespace lumaro
