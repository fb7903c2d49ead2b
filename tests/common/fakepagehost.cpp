#include "fakepagehost.h"
#include "textfile.h"
#include "thtmlrichedit.h"

#include <QAction>
#include <QFileInfo>

namespace lumaro::test {

FakePageHost::FakePageHost()
{
    m_window.resize(800, 600);
    for (auto &e : m_editors) {
        e = new thtmlrichedit(&m_window);
        e->hide();
    }
}

FakePageHost::~FakePageHost() = default;

int FakePageHost::addPage(const QString &text, const QString &fileName, bool hasFile)
{
    if (m_count >= 15)
        return -1;
    const int slot = m_count++;
    m_names[slot] = fileName.isEmpty() ? QStringLiteral("Untitled %1").arg(m_untitled++) : fileName;
    m_hasFile[slot] = hasFile;
    m_ids[slot] = ++m_lastId;
    m_editors[slot]->loadcoloredText(text);
    m_editors[slot]->setModified(false);
    selectPage(slot);
    return slot;
}

thtmlrichedit *FakePageHost::editor(int slot)
{
    return (slot >= 0 && slot < 15) ? m_editors[slot] : nullptr;
}

QString FakePageHost::pageFileName(int slot) const
{
    return (slot >= 0 && slot < 15) ? m_names[slot] : QString();
}

bool FakePageHost::pageHasFile(int slot) const
{
    return slot >= 0 && slot < 15 && m_hasFile[slot];
}

void FakePageHost::selectPage(int slot)
{
    if (slot < 0 || slot >= m_count)
        return;
    m_editors[m_active]->hide();
    m_active = slot;
    m_editors[slot]->show();
}

bool FakePageHost::openfilproj(const QString &fileName)
{
    if (m_count >= 15)
        return false;
    const int slot = m_count;
    QString error;
    if (!m_editors[slot]->loadcolored(fileName, &error))
        return false;
    ++m_count;
    m_names[slot] = fileName;
    m_hasFile[slot] = true;
    selectPage(slot);
    return true;
}

bool FakePageHost::newPageWithText(const QString &text)
{
    const int slot = addPage(QString());
    if (slot < 0)
        return false;
    m_editors[slot]->replaceSelection(text);
    return true;
}

void FakePageHost::lukfilproj(int slot)
{
    if (slot < 0 || slot >= m_count)
        return;
    for (int k = slot; k < m_count - 1; ++k) {
        m_editors[k]->setPlainText(m_editors[k + 1]->toPlainText());
        m_editors[k]->setModified(m_editors[k + 1]->isModified());
        m_names[k] = m_names[k + 1];
        m_hasFile[k] = m_hasFile[k + 1];
        m_ids[k] = m_ids[k + 1];
    }
    --m_count;
    m_editors[m_count]->clearAll();
    m_editors[m_count]->hide();
    m_names[m_count].clear();
    m_hasFile[m_count] = false;
    m_ids[m_count] = 0;
    if (m_active >= m_count)
        m_active = qMax(0, m_count - 1);
}

bool FakePageHost::closeall()
{
    while (m_count > 0)
        lukfilproj(m_count - 1);
    return true;
}

bool FakePageHost::savePage(int slot)
{
    if (slot < 0 || slot >= m_count || !m_hasFile[slot])
        return false;
    if (!TextFile::write(m_names[slot], m_editors[slot]->text(), m_editors[slot]->encoding()))
        return false;
    m_editors[slot]->setModified(false);
    savedSlots.append(m_names[slot]);
    return true;
}

QAction *FakePageHost::command(const QString &name)
{
    auto it = commands.find(name);
    if (it == commands.end()) {
        auto *action = new QAction(name, &m_window);
        action->setObjectName(name);
        action->setEnabled(false);
        it = commands.insert(name, action);
    }
    return *it;
}

} // namespace lumaro::test
