// SPDX-License-Identifier: Apache-2.0
#pragma once
// What a simulated printer session answered, as one byte string.

#include "sim/simulated_printer.h"

#include <QByteArray>

namespace lb::sim::test {

inline QByteArray Joined(const PrinterSession::Output& out) {
    QByteArray all;
    for (const QByteArray& s : out.segments)
        all += s;
    return all;
}

// The answer to input fed in pieces of pieceSize bytes.
inline QByteArray FedInPieces(PrinterSession& session, const QByteArray& input, int pieceSize) {
    QByteArray reply;
    for (qsizetype i = 0; i < input.size(); i += pieceSize)
        reply += Joined(session.feed(input.mid(i, pieceSize)));
    return reply;
}

}   // namespace lb::sim::test
