#pragma once

#include <QString>

namespace lumaro::bench {

/// A deterministic HTML page of about `chars` characters, as a page file
/// holds it: upper-case tags with attributes, about one tag per 15
/// characters, CR LF line ends, some accented letters and a few characters
/// outside Windows-1252. The same size and seed always give the same page.
QString generateHtmlPage(qsizetype chars, quint32 seed = 1);

} // namespace lumaro::bench
