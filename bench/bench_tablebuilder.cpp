// The table builder on large tables: writing a table and reading it back
// must stay linear in the size of the table.
#include "bench.h"
#include "tablebuildermodel.h"

using namespace lumaro;
using namespace lumaro::bench;

LUMARO_BENCH("tablebuilder")
{
    for (const auto &[columns, rows] : {std::pair{20, 1000}, std::pair{20, 10000}, std::pair{200, 2000}}) {
        TableBuilderModel model;
        model.fjerntabel(QString());
        while (model.columnCount() < columns + 1)
            model.insertColumn();
        while (model.rowCount() < rows + 1)
            model.insertRow();
        model.colorOn = true;
        model.same = false;
        for (int r = 1; r <= rows; ++r) {
            model.setRowColor(r, r % 16);
            for (int c = 1; c <= columns; ++c)
                model.setCell(c, r, QStringLiteral("cell %1/%2").arg(r).arg(c));
        }
        QString text;
        const double write = seconds([&] { text = model.build(); });
        TableBuilderModel back;
        const double read = seconds([&] { back.fjerntabel(text); });
        const QString size = QStringLiteral("%1x%2 (%3 KB)").arg(columns).arg(rows).arg(text.size() / 1024);
        report(QStringLiteral("write ") + size, write * 1000, QStringLiteral("ms"));
        report(QStringLiteral("read back ") + size, read * 1000, QStringLiteral("ms"), QStringLiteral("< 1000 ms"));
    }
}
