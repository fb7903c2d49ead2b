// Long paths in the project manager's lists and the path labels are
// shortened in the middle, so the file name stays visible, with the whole
// path as the tooltip.
#include "pathlabel.h"
#include "projectfilelist.h"

#include <QApplication>
#include <QScrollBar>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

const QStringList kFiles{
    QStringLiteral("/home/someone/Documents/web sites/the family site/2026/pages/index.html"),
    QStringLiteral("/home/someone/Documents/web sites/the family site/2026/pages/holiday.html"),
    QStringLiteral("/home/someone/Documents/web sites/the family site/2026/pages/contact.html"),
};

} // namespace

TEST(PathElide, ListEntriesKeepTheirFileNamesVisible)
{
    ProjectFileList list(QStringLiteral("Open files"));
    list.resize(220, 200);
    list.setFiles(kFiles);
    list.show();
    QApplication::processEvents();
    EXPECT_EQ(list.textElideMode(), Qt::ElideMiddle);
    EXPECT_EQ(list.files(), kFiles);
    ASSERT_EQ(list.count(), 3);
    for (int i = 0; i < list.count(); ++i) {
        EXPECT_EQ(list.item(i)->toolTip(), kFiles[i]);
        // The entry fits the list, so the style shortens it in the middle
        // rather than the list cutting it at the right.
        const QRect rect = list.visualItemRect(list.item(i));
        EXPECT_LE(rect.right(), list.viewport()->width()) << i;
        EXPECT_GT(rect.width(), list.viewport()->width() / 2) << i;
        const QString shown = list.fontMetrics().elidedText(kFiles[i], Qt::ElideMiddle, rect.width() - 8);
        EXPECT_TRUE(shown.endsWith(kFiles[i].section(u'/', -1).right(6))) << shown.toStdString();
    }
    EXPECT_FALSE(list.horizontalScrollBar()->isVisible());
}

TEST(PathElide, LabelsShowTheEndOfAPathAndKeepTheWholeText)
{
    PathLabel label;
    label.setText(kFiles[1]);
    label.resize(200, label.sizeHint().height());
    label.show();
    QApplication::processEvents();
    EXPECT_EQ(label.text(), kFiles[1]);
    const QString shown = label.shownText();
    EXPECT_LT(shown.size(), kFiles[1].size());
    EXPECT_TRUE(shown.startsWith(QStringLiteral("/home"))) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(QStringLiteral(".html"))) << shown.toStdString();
    EXPECT_LT(label.minimumSizeHint().width(), 120);
    // Wide enough, the path shows as it is.
    label.resize(label.fontMetrics().horizontalAdvance(kFiles[1]) + 40, label.height());
    EXPECT_EQ(label.shownText(), kFiles[1]);
}
