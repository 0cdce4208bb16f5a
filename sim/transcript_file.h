// SPDX-License-Identifier: Apache-2.0
#pragma once
// The simulator's transcript file: every connection's received bytes, appended as they end.

#include <QByteArray>
#include <QString>

namespace lb::sim {

// Appends "=== TITLE: N bytes ===\n", exactly the N bytes and a LF that only keeps the next
// header on a line of its own. False (with the reason in error) when the file cannot be
// opened or written whole.
bool AppendTranscript(const QString& path, const QString& title, const QByteArray& bytes,
                      QString* error = nullptr);

}   // namespace lb::sim
