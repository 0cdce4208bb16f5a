// SPDX-License-Identifier: Apache-2.0
#pragma once
// The "Command Tool" page: commands typed or loaded and sent to the printer as they are,
// from twelve editor pages or straight from a file; beyond the original, what the printer
// answers can be shown.

#include "ui_common/page_context.h"

#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>

class QButtonGroup;
class QEvent;

namespace Ui {
class CommandToolPage;
}

namespace lb {

class CommandToolPage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kEditorPageCount = 12;
    // The edit control's limit, which also bounds what Load may add.
    static constexpr int kMaxEditorCharacters = 10485760;
    // A reply is complete once the printer has sent nothing more for this long.
    static constexpr int kReplyQuietMs = 500;

    explicit CommandToolPage(PageContext context, QWidget* parent = nullptr);
    ~CommandToolPage() override;

    // The page whose text is in the editor, and the stored texts of the pages (the current
    // one's is stored when the user leaves it).
    int currentEditorPage() const { return m_currentPage; }
    const QString& editorPageText(int page) const { return m_editorPages.at(std::size_t(page)); }
    // True while a Send or Send File is under way.
    bool sending() const { return m_sending; }

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void RadioGroupSelectClick();
    void ButtonSendClick();
    void ButtonSendFileClick();
    void ButtonLoadFileClick();
    void ButtonSaveFileClick();

private:
    QString editorText() const;
    QString chooseFile(bool save);
    void send(const uint8_t* bytes, qsizetype length);
    void setSending(bool sending);
    bool encode(const QString& text, QByteArray& bytes, bool save);
    void showEnglish(const char* message);
    void keepToEditorLimit(int position, int added);
    void showReplyChoice();
    void fillEncodings();

    std::unique_ptr<Ui::CommandToolPage> m_ui;
    PageContext m_context;
    QButtonGroup* m_pageGroup = nullptr;
    std::array<QString, kEditorPageCount> m_editorPages;
    int m_currentPage = 0;
    bool m_sending = false;
    bool m_cutting = false;
};

}   // namespace lb
