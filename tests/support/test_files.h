// SPDX-License-Identifier: Apache-2.0
#pragma once
// A test's files: read whole (empty when missing), written whole.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtTest>

namespace lb::test {

inline QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Fails the calling test function's check when the file cannot be written whole; the caller
// goes on, so a test that needs the file checks QTest::currentTestFailed() or the file.
inline void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

}   // namespace lb::test
