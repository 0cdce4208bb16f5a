#include "app/ui/network_target_editor.h"

#include "link/interface_status.h"
#include "ui_common/message_box.h"
#include "ui_network_target_editor.h"

#include <QPushButton>
#include <QRegularExpressionValidator>

namespace lb {

NetworkTargetEditor::NetworkTargetEditor(NetworkTarget& target, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::NetworkTargetEditor>()), m_target(target) {
    m_ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    // A host name or address: printable ASCII without blanks, and it must fit the record's
    // 64-byte field with its terminating zero.
    constexpr int kHostMax = int(sizeof(NetworkTarget::host)) - 1;
    m_ui->EditHost->setMaxLength(kHostMax);
    m_ui->EditHost->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[\\x21-\\x7E]{0,%1}").arg(kHostMax)), m_ui->EditHost));
    m_ui->EditHost->setText(FieldText(target.host));
    m_ui->EditPort->setValue(target.port >= 1 && target.port <= 65535 ? target.port : 9100);

    connect(m_ui->ButtonBox, &QDialogButtonBox::accepted, this, &NetworkTargetEditor::accept);
    connect(m_ui->ButtonBox, &QDialogButtonBox::rejected, this, &NetworkTargetEditor::reject);
}

NetworkTargetEditor::~NetworkTargetEditor() = default;

void NetworkTargetEditor::accept() {
    // A blank, a control character or a letter beyond ASCII would go out as another host.
    if (!IsNetworkHostText(m_ui->EditHost->text())) {
        MessageBox::warning(this, MessageBox::defaultTitle(),
                            tr("The printer's host name or address has 1 to 63 characters of plain ASCII, "
                               "without blanks."));
        m_ui->EditHost->setFocus();
        return;
    }
    const QByteArray host = m_ui->EditHost->text().toLatin1();
    CopyToField(m_target.host, host.constData(), static_cast<std::size_t>(host.size()));
    m_target.port = m_ui->EditPort->value();
    QDialog::accept();
}

bool EditNetworkTarget(NetworkTarget& target, QWidget* parent) {
    NetworkTargetEditor editor(target, parent);
    return editor.exec() == QDialog::Accepted;
}

}   // namespace lb
