#include "elementreport.h"

#include <QStringList>

namespace lumaro {

QString ElementReport::handlerScript(const QString &token)
{
    // A table's row group is left out: the text seldom writes it, so its
    // table is the element to go to. Listening in the capture phase sees
    // the click before a page's own handlers can stop it.
    static const char *const source = R"JS(
(function () {
    var token = "%1";
    document.addEventListener("dblclick", function (event) {
        var element = event.target;
        if (element && element.nodeType !== 1)
            element = element.parentElement;
        while (element && element.localName === "tbody" && element.parentElement)
            element = element.parentElement;
        if (!element)
            return;
        var name = element.localName;
        var all = document.getElementsByTagName(name);
        var index = Array.prototype.indexOf.call(all, element);
        if (index >= 0)
            console.log(token + " " + name + " " + index);
    }, true);
})();
)JS";
    return QString::fromLatin1(source).arg(token);
}

ElementReport ElementReport::parse(const QString &message, const QString &token)
{
    const QStringList parts = message.split(u' ');
    if (token.isEmpty() || parts.size() != 3 || parts.at(0) != token)
        return {};
    bool ok = false;
    const int index = parts.at(2).toInt(&ok);
    if (!ok || index < 0 || parts.at(1).isEmpty())
        return {};
    return {parts.at(1), index};
}

} // namespace lumaro
