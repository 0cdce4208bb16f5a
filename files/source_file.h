// SPDX-License-Identifier: Apache-2.0
#pragma once
// A file on the computer whose bytes go to the printer: read once, mapped where the system
// can (a firmware image is sent straight from the file), else read whole into memory.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>

namespace lb {

class SourceFile {
public:
    // False when the file cannot be opened or read, or holds more than maxSize bytes
    // (tooLarge()); errorString() tells why.
    bool load(const QString& path, qint64 maxSize);
    bool tooLarge() const { return m_tooLarge; }
    QString errorString() const { return m_error; }
    const uint8_t* data() const {
        return m_mapped ? m_mapped : reinterpret_cast<const uint8_t*>(m_copy.constData());
    }
    qint64 size() const { return m_size; }

private:
    bool fail(const QString& error);

    QFile m_file;   // unmapped when it closes
    uchar* m_mapped = nullptr;
    QByteArray m_copy;
    qint64 m_size = 0;
    bool m_tooLarge = false;
    QString m_error;
};

}   // namespace lb
