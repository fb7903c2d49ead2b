#pragma once

#include "installdir.h"
#include "../qstringprint.h"
#include "interaction.h"
#include "scriptedinteraction.h"
#include "specialchars.h"
#include "testsandbox.h"
#include "tregini.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace lumaro::test {

/// A fixture for the converter commands: default settings, an installation
/// directory of its own holding the standard "spectags.dat", and scripted
/// answers to every question and file dialog.
class ConvertFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestSandbox::clearSettings();
        m_installDir = TestSandbox::makeDir(QStringLiteral("install"));
        tregini::setOverride(QStringLiteral("dir"), QStringLiteral("installdir"), m_installDir);
        InstallDir::reset();
        writeTable(SpecialChars::toBytes(SpecialChars::standardPairs()));
        setInteraction(&m_ui);
    }
    void TearDown() override
    {
        setInteraction(nullptr);
        TestSandbox::clearSettings();
        InstallDir::reset();
    }

    QString tablePath() const { return QDir(m_installDir).filePath(QStringLiteral("spectags.dat")); }
    void writeTable(const QByteArray &bytes)
    {
        QFile file(tablePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    void removeTable() { QFile::remove(tablePath()); }

    static QByteArray readBytes(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void writeBytes(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    ScriptedInteraction m_ui;
    QString m_installDir;
};

} // namespace lumaro::test
