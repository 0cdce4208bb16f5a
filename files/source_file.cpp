// SPDX-License-Identifier: Apache-2.0
#include "files/source_file.h"

#include <QCoreApplication>
#include <algorithm>

namespace lb {

bool SourceFile::fail(const QString& error) {
    m_error = error;
    return false;
}

bool SourceFile::load(const QString& path, qint64 maxSize) {
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly)) return fail(m_file.errorString());
    const auto tooLarge = [&] {
        m_tooLarge = true;
        return fail(QCoreApplication::translate("lb::PrinterFiles",
                                                "larger than %1 bytes, which is the most that can be sent")
                        .arg(maxSize));
    };
    if (!m_file.isSequential()) {
        m_size = m_file.size();
        if (m_size > maxSize) return tooLarge();
        if (m_size == 0) return true;
        if ((m_mapped = m_file.map(0, m_size))) return true;
    }
    // A pipe or a file system that cannot map: read it whole; one byte beyond the limit
    // tells a longer stream.
    while (!m_file.atEnd()) {
        const QByteArray piece = m_file.read(std::min<qint64>(1 << 20, maxSize + 1 - m_copy.size()));
        if (piece.isEmpty()) break;
        m_copy.append(piece);
        if (m_copy.size() > maxSize) return tooLarge();
    }
    if (m_file.error() != QFileDevice::NoError) return fail(m_file.errorString());
    // A regular file that grew or shrank while it was read is not the file to send.
    if (!m_file.isSequential() && m_copy.size() != m_size)
        return fail(QCoreApplication::translate("lb::PrinterFiles", "the file changed while it was read"));
    m_size = m_copy.size();
    return true;
}

}   // namespace lb
