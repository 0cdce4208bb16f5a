// SPDX-License-Identifier: Apache-2.0
#pragma once
// The "File Manager" page: files sent into the printer's memories, what the memories hold,
// and the format that empties one.

#include "files/memory_info.h"
#include "ui_common/page_context.h"

#include <QString>
#include <QWidget>
#include <memory>

class QButtonGroup;
class QEvent;

namespace Ui {
class FileManagerPage;
}

namespace lb {

// Where "True Type Font" files are looked for: the first existing of the user's and the
// system's font folders; empty when there is none.
QString SystemFontDirectory();

class FileManagerPage : public QWidget {
    Q_OBJECT
public:
    explicit FileManagerPage(PageContext context, QWidget* parent = nullptr);
    ~FileManagerPage() override;

    // The file the next Download sends: the last one chosen with Browse.
    const QString& downloadPath() const { return m_downloadPath; }
    const MemoryInfoSet& memories() const { return *m_memories; }

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void ButtonBrowseClick();
    void ButtonDownloadClick();
    void ButtonFontViewClick();
    void ButtonGetClick();
    void RadioGroupDeviceClick();
    void ButtonFileFormatClick();

private:
    void ShowMemoryInfo();
    void sendRawFile();
    void showEnglish(const char* message);

    std::unique_ptr<Ui::FileManagerPage> m_ui;
    PageContext m_context;
    QButtonGroup* m_deviceGroup = nullptr;
    QButtonGroup* m_formatDeviceGroup = nullptr;
    QString m_downloadPath;
    // What the last Get learned, by MemoryDevice: three 64 KiB records, kept off the stack.
    std::unique_ptr<MemoryInfoSet> m_memories;
};

}   // namespace lb
