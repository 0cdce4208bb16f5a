// SPDX-License-Identifier: Apache-2.0
#include "app/language.h"
#include "link/link_types.h"
#include "link/printer_link.h"
#include "ui_common/message_box.h"
#include "ui_common/show_link_error.h"

#include "tests/support/when_modal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestShowLinkError : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { lb::SetLanguageIndex(lb::kEnglish); }

    void showsTheLanguagesText_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("expected");   // empty: no box at all
        const int en = lb::kEnglish;
        const int pt = lb::kPortuguese;
        QTest::newRow("en 1") << en << 1 << "Port Open Error";
        QTest::newRow("en 2") << en << 2 << "Data Transmission Error";
        QTest::newRow("en 3") << en << 3 << "Data Receiving Error";
        QTest::newRow("en 4") << en << 4 << "File Open Error";
        QTest::newRow("en 5") << en << 5 << "Unknown Error";
        QTest::newRow("en 6") << en << 6 << "Please Read Printer Config First";
        QTest::newRow("pt 1") << pt << 1 << "Erro de Abertura de Porta";
        QTest::newRow("pt 2") << pt << 2 << QString::fromUtf8("Erro de Transmissão de Dados");
        QTest::newRow("pt 4") << pt << 4 << "Erro de Abertura de Arquivo";
        QTest::newRow("pt 3") << pt << 3 << QString::fromUtf8("Erro de Recepção de Dados");
        QTest::newRow("pt 6") << pt << 6
                              << QString::fromUtf8(
                                     "Por favor, primeiro obtenha as configurações da impressora.");
        QTest::newRow("German uses English") << 6 << 1 << "Port Open Error";
        QTest::newRow("0 success") << en << 0 << QString();
        QTest::newRow("7") << en << 7 << QString();
        QTest::newRow("pt 7") << pt << 7 << QString();
        QTest::newRow("-1") << en << -1 << QString();
        QTest::newRow("busy") << en << int(lb::kOperationBusy) << QString();
    }
    void showsTheLanguagesText() {
        QFETCH(int, language);
        QFETCH(int, code);
        QFETCH(QString, expected);
        lb::SetLanguageIndex(language);
        lb::ScopedMessageBoxAnswers answers;
        lb::ShowLinkError(code);
        if (expected.isEmpty()) {
            QCOMPARE(answers.shown().size(), 0);
            return;
        }
        QCOMPARE(answers.shownTexts(), QStringList{expected});
        QCOMPARE(answers.shown().first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    // The link's own errors tell which link failed and why under the message; the others
    // have nothing to add.
    void showsTheLinksDetail_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("detail");
        const QString why = "ETHERNET 127.0.0.1:9100: connection refused";
        QTest::newRow("1") << 1 << why;
        QTest::newRow("2") << 2 << why;
        QTest::newRow("3") << 3 << why;
        QTest::newRow("4 is not the link's") << 4 << QString();
        QTest::newRow("6 is not the link's") << 6 << QString();
    }
    void showsTheLinksDetail() {
        QFETCH(int, code);
        QFETCH(QString, detail);
        lb::SetLastLinkErrorDetail("ETHERNET 127.0.0.1:9100: connection refused");
        lb::ScopedMessageBoxAnswers answers;
        lb::ShowLinkError(code);
        QCOMPARE(answers.shown().size(), 1);
        QCOMPARE(answers.shown().first().detail, detail);
        lb::SetLastLinkErrorDetail(QString());
    }

    // The real box: modal, the message as its text, one OK button; the call returns when
    // OK is clicked.
    void realBoxWaitsForOk() {
        lb::SetLanguageIndex(lb::kPortuguese);
        QString text;
        int buttonCount = -1;
        bool modal = false;
        lb::test::WhenModal<QWidget> whenModal([&](QWidget*) {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            text = box->text();
            buttonCount = int(box->buttons().size());
            modal = box->isModal();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        lb::ShowLinkError(6);
        QCOMPARE(text, QString::fromUtf8("Por favor, primeiro obtenha as configurações da impressora."));
        QCOMPARE(buttonCount, 1);
        QVERIFY(modal);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestShowLinkError)
#include "tst_show_link_error.moc"
