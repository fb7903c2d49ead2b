#pragma once

// The real main window for a command test: one new page, scripted answers
// to every question, and the two steps each test takes (put text into the
// page with a selection, run a command as its button does).
#include "mainwindow.h"
#include "scriptedinteraction.h"
#include "testsandbox.h"
#include "thtmlrichedit.h"

#include <QAction>
#include <gtest/gtest.h>
#include <memory>

namespace lumaro::test {

class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestSandbox::clearSettings();
        m_window = std::make_unique<TMainwindow>();
        m_window->FormShow();
        ASSERT_EQ(m_window->pageCount(), 1);
    }

    /// The page holds text, unmodified, with length positions selected from
    /// start (a line break is one position).
    thtmlrichedit *page(const QString &text, int start, int length = 0)
    {
        thtmlrichedit *ed = m_window->editor(m_window->activePage());
        ed->loadPlainText(text);
        ed->setModified(false);
        ed->setSelection(start, length);
        return ed;
    }

    /// Runs a command through its registered action, as its button does.
    void run(const char *name)
    {
        QAction *action = m_window->command(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        ASSERT_TRUE(action->isEnabled()) << name;
        action->trigger();
    }

    ScriptedInteraction m_ui;
    std::unique_ptr<TMainwindow> m_window;
};

} // namespace lumaro::test
