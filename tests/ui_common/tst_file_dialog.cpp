// SPDX-License-Identifier: Apache-2.0
// The file dialog wrapper under its test hook: what the caller is given for each answer.

#include "ui_common/file_dialog.h"

#include <QTest>

using lb::FileDialog;
using lb::FileDialogRequest;

class TestFileDialog : public QObject {
    Q_OBJECT
private slots:
    void answers_data() {
        QTest::addColumn<bool>("save");
        QTest::addColumn<QString>("answer");   // empty: cancelled
        QTest::addColumn<QString>("expected");
        QTest::newRow("save adds the suffix") << true << "/tmp/a/config"
                                              << "/tmp/a/config.dcf";
        QTest::newRow("save keeps a suffix") << true << "/tmp/a/config.dcf"
                                             << "/tmp/a/config.dcf";
        QTest::newRow("save keeps another suffix") << true << "/tmp/a.b/config.txt"
                                                   << "/tmp/a.b/config.txt";
        QTest::newRow("save, dotted folder") << true << "/tmp/a.b/config"
                                             << "/tmp/a.b/config.dcf";
        QTest::newRow("save cancelled") << true << ""
                                        << "";
        QTest::newRow("open as chosen") << false << "/tmp/a/config"
                                        << "/tmp/a/config";
        QTest::newRow("open cancelled") << false << ""
                                        << "";
    }
    void answers() {
        QFETCH(bool, save);
        QFETCH(QString, answer);
        QFETCH(QString, expected);
        lb::ScopedFileDialogAnswers answers;
        answers.setNextAnswer(answer);
        const FileDialogRequest request{save, "SaveDialog1", "/start", "*.dcf (*.dcf)", "dcf"};
        const QString path = save ? FileDialog::getSaveFileName(nullptr, request)
                                  : FileDialog::getOpenFileName(nullptr, request);
        QCOMPARE(path, expected);
        QCOMPARE(answers.requests().size(), 1);
        QCOMPARE(answers.requests()[0].save, save);
        QCOMPARE(answers.requests()[0].directory, QString("/start"));
        QCOMPARE(answers.requests()[0].filter, QString("*.dcf (*.dcf)"));
    }

    // With no answer queued the dialog is cancelled, not shown.
    void noAnswerCancels() {
        lb::ScopedFileDialogAnswers answers;
        QCOMPARE(
            FileDialog::getSaveFileName(nullptr, {true, "SaveDialog1", "/start", "*.dcf (*.dcf)", "dcf"}),
            QString());
        QCOMPARE(answers.requests().size(), 1);
    }
};

QTEST_MAIN(TestFileDialog)
#include "tst_file_dialog.moc"
