// SPDX-License-Identifier: Apache-2.0
#pragma once
// Every open and save dialog of the program goes through here: users get the platform's
// dialogs, and tests answer with a path (or a cancel) without a window.

#include <QList>
#include <QString>

class QWidget;

namespace lb {

struct FileDialogRequest {
    bool save = false;
    QString name;        // the dialog's object name ("SaveDialog1")
    QString directory;   // where it starts
    QString filter;      // "*.dcf (*.dcf)"
    QString defaultSuffix;
};

class FileDialog {
public:
    // The chosen existing file, or an empty string when cancelled.
    static QString getOpenFileName(QWidget* parent, const FileDialogRequest& request);
    // The chosen path (with the default suffix when the name has none), or an empty string
    // when cancelled. An existing file is not asked about: it is replaced.
    static QString getSaveFileName(QWidget* parent, const FileDialogRequest& request);

private:
    static QString run(QWidget* parent, const FileDialogRequest& request);
};

// While one of these exists, no file dialog is shown: each is recorded and answered with the
// next queued path, or cancelled once the queue is empty. Only one may exist at a time.
class ScopedFileDialogAnswers {
public:
    ScopedFileDialogAnswers();
    ~ScopedFileDialogAnswers();
    ScopedFileDialogAnswers(const ScopedFileDialogAnswers&) = delete;
    ScopedFileDialogAnswers& operator=(const ScopedFileDialogAnswers&) = delete;

    // An empty path answers with a cancel.
    void setNextAnswer(const QString& path) { m_answers.append(path); }
    const QList<FileDialogRequest>& requests() const { return m_requests; }
    qsizetype pendingAnswers() const { return m_answers.size(); }

private:
    friend class FileDialog;
    QString answer(const FileDialogRequest& request);

    QList<QString> m_answers;
    QList<FileDialogRequest> m_requests;
};

}   // namespace lb
