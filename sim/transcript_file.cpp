// SPDX-License-Identifier: Apache-2.0
#include "sim/transcript_file.h"

#include <QFile>

namespace lb::sim {

bool AppendTranscript(const QString& path, const QString& title, const QByteArray& bytes, QString* error) {
    QFile file(path);
    const QByteArray record = QStringLiteral("=== %1: %2 bytes ===\n").arg(title).arg(bytes.size()).toUtf8() +
                              bytes + QByteArrayLiteral("\n");
    const bool ok = file.open(QIODevice::WriteOnly | QIODevice::Append) &&
                    file.write(record) == record.size() && file.flush();
    if (!ok && error) *error = QStringLiteral("%1: %2").arg(path, file.errorString());
    return ok;
}

}   // namespace lb::sim
