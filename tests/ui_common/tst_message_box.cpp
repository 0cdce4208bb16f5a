// SPDX-License-Identifier: Apache-2.0
#include "ui_common/message_box.h"

#include "tests/support/when_modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>

using lb::MessageBox;
using lb::ScopedMessageBoxAnswers;

class TestMessageBox : public QObject {
    Q_OBJECT
private slots:
    void queuedAnswersComeFirstInOrder() {
        ScopedMessageBoxAnswers answers;
        answers.setNextAnswer(QMessageBox::No);
        answers.setNextAnswer(QMessageBox::Cancel);
        QCOMPARE(MessageBox::question(nullptr, "T", "first?"), QMessageBox::No);
        QCOMPARE(MessageBox::question(nullptr, "T", "second?", QMessageBox::Yes | QMessageBox::Cancel),
                 QMessageBox::Cancel);
        // The queue is used up: the default button answers.
        QCOMPARE(
            MessageBox::question(nullptr, "T", "third?", QMessageBox::Yes | QMessageBox::No, QMessageBox::No),
            QMessageBox::No);
        QCOMPARE(answers.shownTexts(), QStringList({"first?", "second?", "third?"}));
        QCOMPARE(answers.shown().at(1).answer, QMessageBox::Cancel);
        QCOMPARE(answers.pendingAnswers(), 0);
    }

    void unansweredBoxTakesItsFirstButton_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("expected");
        QTest::newRow("ok") << int(QMessageBox::Ok) << int(QMessageBox::Ok);
        QTest::newRow("yes/no") << int(QMessageBox::Yes | QMessageBox::No) << int(QMessageBox::Yes);
        QTest::newRow("ok/cancel") << int(QMessageBox::Ok | QMessageBox::Cancel) << int(QMessageBox::Ok);
        QTest::newRow("none means ok") << int(QMessageBox::NoButton) << int(QMessageBox::Ok);
    }
    void unansweredBoxTakesItsFirstButton() {
        QFETCH(int, buttons);
        QFETCH(int, expected);
        ScopedMessageBoxAnswers answers;
        const auto answer = MessageBox::warning(
            nullptr, "T", "text", QMessageBox::StandardButtons(QMessageBox::StandardButton(buttons)));
        QCOMPARE(int(answer), expected);
    }

    void recordsIconTitleAndButtons() {
        QCoreApplication::setApplicationName("LabelBench");
        ScopedMessageBoxAnswers answers;
        MessageBox::critical(nullptr, QString(), "broken");
        MessageBox::information(nullptr, "Own title", "fine", QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(answers.shown().size(), 2);
        QCOMPARE(answers.shown()[0].icon, QMessageBox::Critical);
        QCOMPARE(answers.shown()[0].title, QString("LabelBench"));   // no title: the program's name
        QCOMPARE(answers.shown()[1].icon, QMessageBox::Information);
        QCOMPARE(answers.shown()[1].title, QString("Own title"));
        QCOMPARE(answers.shown()[1].buttons, QMessageBox::Ok | QMessageBox::Cancel);
    }

    void onShownSeesTheBoxBeforeItIsAnswered() {
        ScopedMessageBoxAnswers answers;
        QString seen;
        answers.setOnShown([&](const lb::ShownMessage& m) {
            seen = m.text;
            QCOMPARE(answers.shown().size(), 0);
        });
        MessageBox::plain(nullptr, "T", "look");
        QCOMPARE(seen, QString("look"));
    }

    // A detail is recorded, and the real box shows it under the text without hiding it
    // behind a button.
    void detailUnderTheText() {
        {
            ScopedMessageBoxAnswers answers;
            MessageBox::show(QMessageBox::NoIcon, nullptr, "T", "Port Open Error", QMessageBox::Ok,
                             QMessageBox::Ok, "COM1 (/dev/ttyS0): no such device");
            QCOMPARE(answers.shown().first().detail, QString("COM1 (/dev/ttyS0): no such device"));
        }
        QString informative;
        int buttonCount = -1;
        lb::test::WhenModal<QWidget> whenModal([&](QWidget*) {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            informative = box->informativeText();
            buttonCount = int(box->buttons().size());
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        MessageBox::show(QMessageBox::NoIcon, nullptr, "T", "Port Open Error", QMessageBox::Ok,
                         QMessageBox::Ok, "COM1 (/dev/ttyS0): no such device");
        QCOMPARE(informative, QString("COM1 (/dev/ttyS0): no such device"));
        QCOMPARE(buttonCount, 1);
    }

    // Without the hook the box really is modal and waits for its button.
    void withoutHookTheBoxIsModal() {
        QString seenText;
        bool wasModal = false;
        lb::test::WhenModal<QWidget> whenModal([&](QWidget*) {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            seenText = box->text();
            wasModal = box->isModal();
            QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
        });
        const auto answer = MessageBox::question(nullptr, "T", "really?");
        QCOMPARE(answer, QMessageBox::No);
        QCOMPARE(seenText, QString("really?"));
        QVERIFY(wasModal);
    }
};

QTEST_MAIN(TestMessageBox)
#include "tst_message_box.moc"
