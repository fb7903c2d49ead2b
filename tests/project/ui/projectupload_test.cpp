// The "Upload" page of the project preferences: what it shows, what "Ok"
// writes into the project options file, and what it refuses.
#include "inifile.h"
#include "scriptedinteraction.h"
#include "testsandbox.h"
#include "tprojectoptions.h"
#include "uploadsettingspage.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace lumaro;

class ProjectUploadPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::TestSandbox::clearSettings();
        setInteraction(&m_ui);
        m_file = test::TestSandbox::makeDir(QStringLiteral("uploadpage")) + QStringLiteral("/site.lmo");
    }
    void TearDown() override { setInteraction(nullptr); }

    QByteArray fileBytes() const
    {
        QFile f(m_file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    ScriptedInteraction m_ui;
    QString m_file;
};

TEST_F(ProjectUploadPageTest, OkWritesTheUploadSectionAndNoSecret)
{
    Tprojectoptions dialog(m_file, nullptr);
    ASSERT_EQ(dialog.pages()->count(), 2);
    EXPECT_EQ(dialog.pages()->tabText(1), QStringLiteral("Upload"));
    UploadSettingsPage *page = dialog.uploadPage();
    EXPECT_EQ(page->portBox()->value(), 22);
    EXPECT_FALSE(page->keyFileEdit()->isEnabled()) << "the agent is the default";
    page->hostEdit()->setText(QStringLiteral(" www.example.org "));
    page->portBox()->setValue(2222);
    page->userEdit()->setText(QStringLiteral("anna"));
    page->folderEdit()->setText(QStringLiteral("public_html/site"));
    page->loginBox()->setCurrentIndex(1);
    EXPECT_TRUE(page->keyFileEdit()->isEnabled());
    m_ui.openAnswers.enqueue({QStringLiteral("/home/anna/.ssh/id_ed25519")});
    page->browseKeyButton()->click();
    dialog.okClick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted) << m_ui.lastMessage().toStdString();
    EXPECT_EQ(fileBytes(), "[autourl]\r\nauto=0\r\n[publish]\r\nconvchar=1\r\n"
                           "[root]\r\nuse=0\r\npath=c:\\\r\n"
                           "[imageroot]\r\nuse=0\r\npath=c:\\\r\n"
                           "[links]\r\nexternal=0\r\n"
                           "[upload]\r\nhost=www.example.org\r\nport=2222\r\nuser=anna\r\nfolder=public_html/site\r\n"
                           "login=key\r\nkeyfile=/home/anna/.ssh/id_ed25519\r\n");
    EXPECT_EQ(UploadSettings::read(m_file), page->value());

    Tprojectoptions again(m_file, nullptr);
    EXPECT_EQ(again.uploadPage()->value(), page->value());
}

TEST_F(ProjectUploadPageTest, SettingsThatCannotWorkKeepTheDialogOpen)
{
    const struct {
        const char *host;
        const char *folder;
        int login;
        const char *keyFile;
        const char *message;
    } cases[] = {
        {"www.example.org", "../elsewhere", 0, "", "The remote folder \"../elsewhere\" holds \"..\"; give the folder itself."},
        {"www.example.org", "site", 1, "", "Logging in with a key needs the key file."},
        {"www example org", "site", 0, "", "\"www example org\" is not a server name."},
        {"anna@www.example.org", "site", 0, "", "\"anna@www.example.org\" is not a server name."},
    };
    for (const auto &c : cases) {
        Tprojectoptions dialog(m_file, nullptr);
        UploadSettingsPage *page = dialog.uploadPage();
        page->hostEdit()->setText(QString::fromLatin1(c.host));
        page->folderEdit()->setText(QString::fromLatin1(c.folder));
        page->loginBox()->setCurrentIndex(c.login);
        page->keyFileEdit()->setText(QString::fromLatin1(c.keyFile));
        dialog.okClick();
        EXPECT_NE(dialog.result(), QDialog::Accepted) << c.host;
        EXPECT_EQ(dialog.pages()->currentWidget(), page) << c.host;
        EXPECT_EQ(m_ui.lastMessage(), QString::fromLatin1(c.message)) << c.host;
        EXPECT_FALSE(QFile::exists(m_file)) << c.host;
    }
}

TEST_F(ProjectUploadPageTest, AProjectWithoutUploadSettingsGetsNoUploadSection)
{
    Tprojectoptions dialog(m_file, nullptr);
    dialog.okClick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(fileBytes().contains("[upload]"));
}
