// SPDX-License-Identifier: Apache-2.0
#pragma once
// The one way the program writes a file. The data goes to a temporary file beside the
// target, every write and the final flush are checked, and only then is the temporary file
// renamed over the target. A full disk, a file-size limit or a vanished directory therefore
// reports failure and leaves an existing file whole; it never leaves a short or empty file.

#include <QByteArray>
#include <QString>
#include <memory>

class QSaveFile;

namespace lb {

// A file written in pieces. Nothing replaces the target until commit() succeeds; a file
// destroyed without commit() is discarded.
class CheckedSaveFile {
public:
    explicit CheckedSaveFile(const QString& path);
    ~CheckedSaveFile();
    CheckedSaveFile(const CheckedSaveFile&) = delete;
    CheckedSaveFile& operator=(const CheckedSaveFile&) = delete;

    bool open();
    // False once any write has failed; later writes do nothing.
    bool write(const char* data, qint64 length);
    bool write(const QByteArray& data) { return write(data.constData(), data.size()); }
    // Moves to position (0 up to the bytes written so far): the next write goes there, so a
    // placeholder written first can be filled in at the end. False, like a failed write,
    // when the position is outside or the system refuses.
    bool seek(qint64 position);
    // Writes over the bytes at offset and goes back to where the writing was.
    bool writeAt(qint64 offset, const char* data, qint64 length);
    // Flushes, checks and renames over the target. False when anything failed since open().
    bool commit();
    // The system's reason for the first failure, for a message's detail.
    QString errorString() const;

private:
    std::unique_ptr<QSaveFile> m_file;
    bool m_failed = false;
    QString m_error;
};

// The whole file in one call. True only when the target now holds exactly data.
bool SaveFileChecked(const QString& path, const QByteArray& data, QString* error = nullptr);

}   // namespace lb
