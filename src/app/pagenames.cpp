#include "pagenames.h"

#include <QStringList>

namespace lumaro {

namespace {

qsizetype lastSeparator(const QString &fileName)
{
    return std::max(fileName.lastIndexOf(QLatin1Char('/')), fileName.lastIndexOf(QLatin1Char('\\')));
}

// Qt filter entries; the text before the parentheses is what the user reads.
const QString kSaveHtm = QStringLiteral("HTML files *.htm (*.htm)");
const QString kSaveHtml = QStringLiteral("HTML files *.html (*.html)");
const QString kSaveTxt = QStringLiteral("Text files *.txt (*.txt)");

} // namespace

QString PageNames::untitledName(int number)
{
    return QStringLiteral("Untitled ") + QString::number(number);
}

QString PageNames::tabName(const QString &fileName)
{
    return fileName.mid(lastSeparator(fileName) + 1);
}

bool PageNames::hasExtension(const QString &fileName)
{
    const QString name = tabName(fileName);
    // A name the user typed with a final dot ("page.") already says what it
    // wants; nothing is appended to it.
    return name.contains(QLatin1Char('.'));
}

QString PageNames::openFilter()
{
    // "*.*" would only match names with a dot here; "All files" means every file.
    return QStringLiteral("HTML files *.html *.htm (*.html *.htm);;Text files *.txt (*.txt);;"
                          "All files *.* (*)");
}

QString PageNames::saveFilter()
{
    return QStringList{kSaveHtm, kSaveHtml, kSaveTxt}.join(QStringLiteral(";;"));
}

QString PageNames::defaultSaveFilter()
{
    return kSaveHtm;
}

int PageNames::saveFilterItem(const QString &selectedFilter)
{
    const QString f = selectedFilter.trimmed();
    if (f == kSaveHtml)
        return 2;
    if (f == kSaveTxt)
        return 3;
    return 1;
}

QString PageNames::saveAsName(const QString &chosen, int filterItem)
{
    if (hasExtension(chosen))
        return chosen;
    switch (filterItem) {
    case 2:
        return chosen + QStringLiteral(".html");
    case 3:
        return chosen + QStringLiteral(".txt");
    default:
        return chosen + QStringLiteral(".htm");
    }
}

} // namespace lumaro
