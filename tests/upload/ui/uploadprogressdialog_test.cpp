// The progress window: its texts, and Cancel asking the upload to stop
// instead of closing the window under it.
#include "uploadprogressdialog.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace lumaro;

TEST(UploadProgressDialogTest, FilesAndBytesDoneOfTheTotal)
{
    const struct {
        UploadProgress progress;
        const char *files;
        const char *bytes;
    } cases[] = {
        {{0, 0, 0, 0, {}}, "Files: 0 of 0", "Bytes: 0 bytes of 0 bytes"},
        {{3, 10, 31232, 102400, QStringLiteral("a.html")}, "Files: 3 of 10", "Bytes: 30.50 KiB of 100.00 KiB"},
        {{999, 1000, 10433331, 10485760, {}}, "Files: 999 of 1000", "Bytes: 9.95 MiB of 10.00 MiB"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(UploadProgressDialog::filesText(c.progress), QString::fromLatin1(c.files));
        EXPECT_EQ(UploadProgressDialog::bytesText(c.progress), QString::fromLatin1(c.bytes));
    }
}

TEST(UploadProgressDialogTest, CancelAsksTheUploadToStopAndKeepsTheWindow)
{
    UploadProgressDialog dialog(QStringLiteral("anna@example.org:22/site"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Upload"));
    dialog.show();
    dialog.setProgress({1, 4, 2048, 8192, QStringLiteral("img/logo.gif")});
    EXPECT_EQ(dialog.currentLabel()->text(), QStringLiteral("Sending img/logo.gif"));
    EXPECT_FALSE(dialog.cancelRequested());
    dialog.cancelButton()->click();
    EXPECT_TRUE(dialog.cancelRequested());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.cancelButton()->isEnabled());
}
