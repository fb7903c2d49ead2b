#include "elementreport.h"

#include <QStringList>

namespace lumaro {

QString ElementReport::markAttribute(const QString &token) { return QStringLiteral("data-") + token; }

QString ElementReport::handlerScript(const QString &token)
{
    // An element is the written one when it carries a mark and is the first
    // element with that mark; a copy the parser made of a formatting element
    // comes after the one it copies. Listening in the capture phase sees
    // the click before a page's own handlers can stop it.
    static const char *const source = R"JS(
(function () {
    var token = "%1", mark = "%2";
    document.addEventListener("dblclick", function (event) {
        var element = event.target;
        if (element && element.nodeType !== 1)
            element = element.parentElement;
        while (element) {
            var at = element.getAttribute(mark);
            if (at !== null && /^[0-9]+$/.test(at)
                && document.querySelector("[" + mark + "=\"" + at + "\"]") === element)
                break;
            element = element.parentElement;
        }
        if (element)
            console.log(token + " " + element.localName + " " + element.getAttribute(mark));
    }, true);
})();
)JS";
    return QString::fromLatin1(source).arg(token, markAttribute(token));
}

ElementReport ElementReport::parse(const QString &message, const QString &token)
{
    const QStringList parts = message.split(u' ');
    if (token.isEmpty() || parts.size() != 3 || parts.at(0) != token)
        return {};
    bool ok = false;
    const int position = parts.at(2).toInt(&ok);
    if (!ok || position < 0 || parts.at(1).isEmpty())
        return {};
    return {parts.at(1), position};
}

} // namespace lumaro
