#pragma once

// Folders of files for the upload tests: written with their parents, and
// read back whole so two trees compare byte for byte.
#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QString>
#include <gtest/gtest.h>

namespace lumaro::test {

inline void writeSiteFile(const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(name).absolutePath());
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << name.toStdString();
    f.write(bytes);
}

/// Every file below a folder (hidden ones too) by relative path, with its bytes.
inline QMap<QString, QByteArray> treeOf(const QString &dir)
{
    QMap<QString, QByteArray> tree;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        tree.insert(QDir(dir).relativeFilePath(path), f.readAll());
    }
    return tree;
}

} // namespace lumaro::test
