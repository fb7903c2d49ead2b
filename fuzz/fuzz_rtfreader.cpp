// libFuzzer target: the RTF reader must load any bytes without crashing,
// hanging or reading out of bounds, and never make more text than bytes.
#include "rtfreader.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Lives for the whole run; the process ends without tearing it down.
    new QGuiApplication(*argc, *argv);
    return 0;
}

static void check(const QByteArray &data, QTextDocument &document)
{
    const auto result = lumaro::RtfReader::read(data, &document);
    if (result.ok && document.characterCount() - 1 > data.size())
        std::abort(); // the reader made text out of nothing
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    static QTextDocument *document = new QTextDocument;
    const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char *>(bytes), qsizetype(size));
    check(data, *document);
    // Most mutations lose the header; read every input as a body as well.
    check(QByteArray("{\\rtf1 ") + data, *document);
    return 0;
}
