#pragma once
// A small editor of the TCP target (host and port) behind the Setup button of ETHERNET.

#include "link/link_types.h"

#include <QDialog>
#include <memory>

namespace Ui {
class NetworkTargetEditor;
}

namespace lb {

class NetworkTargetEditor : public QDialog {
    Q_OBJECT
public:
    // Edits target in place when the user confirms with OK.
    NetworkTargetEditor(NetworkTarget& target, QWidget* parent = nullptr);
    ~NetworkTargetEditor() override;

    void accept() override;

private:
    std::unique_ptr<Ui::NetworkTargetEditor> m_ui;
    NetworkTarget& m_target;
};

// Shows the editor modally; true when the target was changed.
bool EditNetworkTarget(NetworkTarget& target, QWidget* parent);

}   // namespace lb
