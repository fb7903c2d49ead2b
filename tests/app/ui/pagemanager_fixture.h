#pragma once
// A window with a tab strip and an editor area holding a PageManager and its
// FileCommands, a private installation directory with a page template, and a
// scripted interaction answering the dialogs.
#include "filecommands.h"
#include "pagemanager.h"
#include "scriptedinteraction.h"
#include "testsandbox.h"
#include "thtmlrichedit.h"
#include "tregini.h"

#include <QDir>
#include <QFile>
#include <QTabBar>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Failures show texts as text.
[[maybe_unused]] static void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace lumaro::test {

inline QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

class PageFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestSandbox::clearSettings();
        m_dir = TestSandbox::makeDir(QStringLiteral("pages"));
        const QString install = TestSandbox::makeDir(QStringLiteral("install"));
        tregini::writeString(QStringLiteral("dir"), QStringLiteral("installdir"), install);
        writeBytes(install + QStringLiteral("/OnNewFile.html"),
                   "<HTML>\r\n<BODY>\r\n<CursorHere>\r\n</BODY>\r\n</HTML>\r\n");
        m_window = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(m_window.get());
        m_tabs = new QTabBar;
        m_area = new QWidget;
        layout->addWidget(m_tabs);
        layout->addWidget(m_area, 1);
        m_pages = new PageManager(m_tabs, m_area, m_window.get());
        m_files = new FileCommands(*m_pages, m_window.get(), m_window.get());
        m_window->resize(640, 480);
        m_window->show();
    }

    void TearDown() override { m_window.reset(); }

    /// Writes a document and returns its path.
    QString makeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir + QLatin1Char('/') + name;
        writeBytes(path, bytes);
        return path;
    }

    /// Opens the documents A.htm .. (count letters) holding "text A" etc.
    QStringList openLetters(int count)
    {
        QStringList paths;
        for (int i = 0; i < count; ++i) {
            const QString letter(QChar(u'A' + i));
            const QString path = makeFile(letter + QStringLiteral(".htm"),
                                          ("<P>text " + letter + "</P>").toUtf8());
            EXPECT_TRUE(m_pages->openfilproj(path));
            paths << path;
        }
        return paths;
    }

    QStringList tabTexts() const
    {
        QStringList texts;
        for (int i = 0; i < m_tabs->count(); ++i)
            texts << m_tabs->tabText(i);
        return texts;
    }

    int visibleEditorCount() const
    {
        int visible = 0;
        for (int slot = 0; slot < PageManager::kSlots; ++slot)
            visible += m_pages->editor(slot)->isVisibleTo(m_window.get()) ? 1 : 0;
        return visible;
    }

    void expectSlotEmpty(int slot)
    {
        SCOPED_TRACE(slot);
        EXPECT_EQ(m_pages->editor(slot)->text(), QString());
        EXPECT_FALSE(m_pages->editor(slot)->isModified());
        EXPECT_FALSE(m_pages->pageHasFile(slot));
        EXPECT_EQ(m_pages->pageFileName(slot), QString());
        EXPECT_FALSE(m_pages->editor(slot)->isVisibleTo(m_window.get()));
    }

    /// The invariants of the page table that hold after every operation.
    void expectConsistent()
    {
        const int n = m_pages->pageCount();
        EXPECT_EQ(m_tabs->count(), n);
        for (int slot = n; slot < PageManager::kSlots; ++slot)
            expectSlotEmpty(slot);
        if (n > 0) {
            EXPECT_EQ(m_tabs->currentIndex(), m_pages->activePage());
            EXPECT_EQ(visibleEditorCount(), 1);
            EXPECT_TRUE(m_pages->editor(m_pages->activePage())->isVisibleTo(m_window.get()));
            EXPECT_EQ(m_pages->caption(),
                      "Lumaro [" + m_pages->pageFileName(m_pages->activePage()) + "]");
        } else {
            EXPECT_EQ(visibleEditorCount(), 0);
        }
    }

    ScriptedInteraction m_ui;
    QString m_dir;
    std::unique_ptr<QWidget> m_window;
    QTabBar *m_tabs = nullptr;
    QWidget *m_area = nullptr;
    PageManager *m_pages = nullptr;
    FileCommands *m_files = nullptr;
};

} // namespace lumaro::test
