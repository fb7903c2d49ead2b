#include "importsettings.h"

#include "tregini.h"

namespace lumaro {

unsigned ImportSettings::sizeClasses(int points) const
{
    const auto &f = thresholds;
    unsigned mask = 0;
    if (points >= 1 && points <= f[0])
        mask |= 1u << 0;
    // Sizes 2..6 lie above the previous threshold and up to their own.
    for (int n = 1; n < 6; ++n) {
        if (points > f[n - 1] && points <= f[n])
            mask |= 1u << n;
    }
    if (points > f[5] && points <= 255)
        mask |= 1u << 6;
    return mask;
}

std::optional<int> ImportSettings::parseThreshold(const QString &text, int number, QString *error)
{
    int value = 0;
    if (tregini::parseInteger(text, &value))
        return value;
    if (error) {
        *error = QStringLiteral("'%1' is not a valid integer value (font size F%2 of the RTF "
                                "import / export preferences).")
                     .arg(text)
                     .arg(number);
    }
    return std::nullopt;
}

std::optional<ImportSettings> ImportSettings::fromStore(QString *error)
{
    const tregini store;
    ImportSettings s;
    s.crTag = store.readcrtags();
    s.boldTag = store.readbtags();
    s.italicTag = store.readitags();
    s.underlineTag = store.readutags();
    s.strikeTag = store.readstags();
    for (int n = 1; n <= 7; ++n) {
        const std::optional<int> value = parseThreshold(store.readief(n), n, error);
        if (!value)
            return std::nullopt;
        s.thresholds[n - 1] = *value;
    }
    s.useFontType = store.readusefonttype();
    s.standardFont = store.readiefont();
    return s;
}

} // namespace lumaro
