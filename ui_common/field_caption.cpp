// SPDX-License-Identifier: Apache-2.0
#include "ui_common/field_caption.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

namespace lb {

QString FieldCaption(const QLineEdit* edit, const QString& labelName) {
    if (!edit) return {};
    const QWidget* window = edit->window();
    const QLabel* label = nullptr;
    for (const QLabel* candidate : window->findChildren<QLabel*>())
        if (candidate->buddy() == edit) label = candidate;
    if (!label && !labelName.isEmpty()) label = window->findChild<QLabel*>(labelName);
    const QString name = edit->objectName();
    if (!label && name.startsWith(QLatin1String("Edit")))
        label = window->findChild<QLabel*>(QStringLiteral("Label") + name.mid(4));
    if (!label) return {};
    QString caption = label->text();
    caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    caption = caption.trimmed();
    while (caption.endsWith(u':') || caption.endsWith(u'\uFF1A'))
        caption.chop(1);
    return caption.trimmed();
}

namespace {

// withCaption has %1 for the caption and %2 for the text; alone has %1 for the text.
QString Refusal(const QLineEdit* edit, const QString& labelName, const char* withCaption, const char* alone) {
    const QString text = edit ? edit->text() : QString();
    const QString caption = FieldCaption(edit, labelName);
    if (caption.isEmpty()) return QCoreApplication::translate("lb::Refusal", alone).arg(text);
    return QCoreApplication::translate("lb::Refusal", withCaption).arg(caption, text);
}

}   // namespace

QString NotANumberMessage(const QLineEdit* edit, const QString& labelName) {
    return Refusal(edit, labelName, QT_TRANSLATE_NOOP("lb::Refusal", "%1: '%2' is not a number"),
                   QT_TRANSLATE_NOOP("lb::Refusal", "'%1' is not a number"));
}

QString OutOfRangeMessage(const QLineEdit* edit, const QString& labelName) {
    return Refusal(edit, labelName, QT_TRANSLATE_NOOP("lb::Refusal", "%1: '%2' is out of range"),
                   QT_TRANSLATE_NOOP("lb::Refusal", "'%1' is out of range"));
}

}   // namespace lb
