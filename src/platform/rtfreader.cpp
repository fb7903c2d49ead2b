#include "rtfreader.h"

#include <QTextDocument>

namespace lumaro {

// Placeholder until the full reader lands: keeps the interface compiling.
RtfReader::Result RtfReader::read(const QByteArray &data, QTextDocument *document)
{
    Result result;
    if (!data.startsWith("{\\rtf")) {
        result.error = QStringLiteral("Not an RTF document");
        return result;
    }
    document->clear();
    result.ok = true;
    return result;
}

} // namespace lumaro
