#include "importexportprefs.h"

#include "tregini.h"

namespace lumaro {

ImportExportPrefs ImportExportPrefs::read()
{
    const tregini store;
    ImportExportPrefs p;
    p.cr = store.readcrtags();
    p.bold = store.readbtags();
    p.italic = store.readitags();
    p.underl = store.readutags();
    p.strike = store.readstags();
    for (int n = 1; n <= 7; ++n)
        p.f[n - 1] = store.readief(n);
    p.usefonttype = store.readusefonttype();
    p.standardfont = store.readiefont();
    return p;
}

void ImportExportPrefs::write() const
{
    tregini store;
    store.writecrtags(cr);
    store.writebtags(bold);
    store.writeitags(italic);
    store.writeutags(underl);
    store.writestags(strike);
    for (int n = 1; n <= 7; ++n)
        store.writeief(n, f[n - 1]);
    store.writeusefonttype(usefonttype);
    store.writeiefont(standardfont);
}

} // namespace lumaro
