#pragma once

#include "pagehost.h"

#include <QHash>
#include <QStringList>
#include <QWidget>
#include <array>

class QAction;

namespace lumaro::test {

/// A small stand-in for the main window in controller tests: 15 real page
/// editors, a simple page table without tabs, commands created on demand by
/// name, and a record of status-bar texts.
class FakePageHost : public PageHost {
public:
    FakePageHost();
    ~FakePageHost() override;

    /// Opens a new page holding text (file name "Untitled N" unless given).
    int addPage(const QString &text, const QString &fileName = {}, bool hasFile = false);

    QWidget *hostWindow() override { return &m_window; }
    int pageCount() const override { return m_count; }
    int activePage() const override { return m_active; }
    thtmlrichedit *editor(int slot) override;
    QString pageFileName(int slot) const override;
    bool pageHasFile(int slot) const override;
    quint64 pageId(int slot) const override { return (slot >= 0 && slot < 15) ? m_ids[slot] : 0; }
    void selectPage(int slot) override;
    bool openfilproj(const QString &fileName) override;
    bool newPageWithText(const QString &text) override;
    void lukfilproj(int slot) override;
    bool closeall() override;
    bool savePage(int slot) override;
    QAction *command(const QString &name) override;
    void showStatus(const QString &text) override { statusTexts.append(text); }
    void setProjectStatus(const QString &text) override { projectStatus = text; }
    ProjectState *projectState() override { return m_project; }
    void setProjectState(ProjectState *state) { m_project = state; }

    QStringList statusTexts;
    QString projectStatus;
    QStringList savedSlots;   ///< file names of pages saved through savePage
    QHash<QString, QAction *> commands;

private:
    QWidget m_window;
    std::array<thtmlrichedit *, 15> m_editors{};
    std::array<QString, 15> m_names;
    std::array<bool, 15> m_hasFile{};
    std::array<quint64, 15> m_ids{};
    quint64 m_lastId = 0;
    int m_count = 0;
    int m_active = 0;
    int m_untitled = 1;
    ProjectState *m_project = nullptr;
};

} // namespace lumaro::test
