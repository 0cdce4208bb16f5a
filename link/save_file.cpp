// SPDX-License-Identifier: Apache-2.0
#include "link/save_file.h"

#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace lb {

CheckedSaveFile::CheckedSaveFile(const QString& path) : m_file(std::make_unique<QSaveFile>(path)) {}

CheckedSaveFile::~CheckedSaveFile() {
    if (m_file->isOpen()) m_file->cancelWriting();
}

bool CheckedSaveFile::open() {
    // Unbuffered: a failing write is seen at the write, not later inside commit(), where
    // Qt would still rename a short temporary file over the target.
    if (m_file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return true;
    m_failed = true;
    m_error = m_file->errorString();
    return false;
}

bool CheckedSaveFile::write(const char* data, qint64 length) {
    if (m_failed || !m_file->isOpen()) return false;
    if (length <= 0) return true;
    // A write the disk takes only in part (it is full) is tried again for the rest, so that
    // the failure comes with the system's reason rather than as a short count.
    qint64 done = 0;
    while (done < length) {
        errno = 0;
        const qint64 n = m_file->write(data + done, length - done);
        if (n <= 0 || m_file->error() != QFileDevice::NoError) {
            m_failed = true;
            m_error = m_file->error() != QFileDevice::NoError ? m_file->errorString()
                      : errno != 0                            ? QString::fromLocal8Bit(std::strerror(errno))
                                   : QStringLiteral("the device took no more data");
            m_file->cancelWriting();
            return false;
        }
        done += n;
    }
    return true;
}

bool CheckedSaveFile::seek(qint64 position) {
    if (m_failed || !m_file->isOpen()) return false;
    if (position >= 0 && position <= m_file->size() && m_file->seek(position)) return true;
    m_failed = true;
    m_error = position < 0 || position > m_file->size()
                  ? QStringLiteral("position %1 lies outside the %2 bytes written")
                        .arg(position)
                        .arg(m_file->size())
                  : m_file->errorString();
    m_file->cancelWriting();
    return false;
}

bool CheckedSaveFile::writeAt(qint64 offset, const char* data, qint64 length) {
    if (m_failed || !m_file->isOpen()) return false;
    const qint64 end = m_file->pos();
    return seek(offset) && write(data, length) && seek(std::max(end, m_file->pos()));
}

bool CheckedSaveFile::commit() {
    if (m_failed || !m_file->isOpen()) {
        if (m_file->isOpen()) m_file->cancelWriting();
        return false;
    }
    if (!m_file->flush() || m_file->error() != QFileDevice::NoError) {
        m_failed = true;
        m_error = m_file->errorString();
        m_file->cancelWriting();
        return false;
    }
    if (m_file->commit()) return true;
    m_failed = true;
    m_error = m_file->errorString();
    return false;
}

QString CheckedSaveFile::errorString() const {
    return m_error;
}

bool SaveFileChecked(const QString& path, const QByteArray& data, QString* error) {
    CheckedSaveFile file(path);
    const bool ok = file.open() && file.write(data) && file.commit();
    if (!ok && error) *error = file.errorString();
    return ok;
}

}   // namespace lb
