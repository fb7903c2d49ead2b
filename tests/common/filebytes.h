#pragma once

// Reading and writing a test file's bytes as they are.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

namespace lumaro::test {

inline QByteArray readBytes(const QString &name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeBytes(const QString &name, const QByteArray &bytes)
{
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace lumaro::test
