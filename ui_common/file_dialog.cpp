// SPDX-License-Identifier: Apache-2.0
#include "ui_common/file_dialog.h"

#include <QFileDialog>
#include <QFileInfo>

namespace lb {
namespace {

ScopedFileDialogAnswers* g_answers = nullptr;

// The suffix goes on a name without one, as the dialog itself does on the platforms that
// honour it; a native dialog may not, and an answer from a test never does.
QString WithDefaultSuffix(const QString& path, const QString& suffix) {
    if (path.isEmpty() || suffix.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
    return path + u'.' + suffix;
}

}   // namespace

ScopedFileDialogAnswers::ScopedFileDialogAnswers() {
    Q_ASSERT(!g_answers);
    g_answers = this;
}

ScopedFileDialogAnswers::~ScopedFileDialogAnswers() {
    g_answers = nullptr;
}

QString ScopedFileDialogAnswers::answer(const FileDialogRequest& request) {
    m_requests.append(request);
    return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
}

QString FileDialog::run(QWidget* parent, const FileDialogRequest& request) {
    if (g_answers) return g_answers->answer(request);
    QFileDialog dialog(parent, QString(), request.directory, request.filter);
    dialog.setObjectName(request.name);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(request.defaultSuffix);
    if (request.save) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().constFirst();
}

QString FileDialog::getOpenFileName(QWidget* parent, const FileDialogRequest& request) {
    FileDialogRequest open = request;
    open.save = false;
    return run(parent, open);
}

QString FileDialog::getSaveFileName(QWidget* parent, const FileDialogRequest& request) {
    FileDialogRequest save = request;
    save.save = true;
    return WithDefaultSuffix(run(parent, save), save.defaultSuffix);
}

}   // namespace lb
