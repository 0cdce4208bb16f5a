// SPDX-License-Identifier: Apache-2.0
#include "app/language.h"
#include "link/dispatcher.h"
#include "link/link_timing.h"
#include "link/link_wait.h"
#include "link/printer_link.h"
#include "tests/ui_common/recording_transport.h"
#include "ui_common/form_process.h"

#include <QApplication>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using lb::GuiLinkObserver;
using lb::TFormProcess;

namespace {

int ProgressWindowCount() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<TFormProcess*>(w)) ++n;
    return n;
}

lb::LinkTiming NoPauses() {
    lb::LinkTiming t;
    t.progressHidePauseMs = 0;
    return t;
}

// Counts the message pumps the link asks for.
class CountingObserver final : public GuiLinkObserver {
public:
    void pumpEvents() override {
        ++pumps;
        GuiLinkObserver::pumpEvents();
    }
    int pumps = 0;
};

}   // namespace

class TestFormProcess : public QObject {
    Q_OBJECT
private slots:
    void init() { lb::SetLinkObserver(&m_observer); }
    void cleanup() {
        if (lb::ProgressActive()) lb::HideProgress();
        lb::SetLinkObserver(nullptr);
        lb::SetLanguageIndex(lb::kEnglish);
        lb::ClearLinkCancel();
    }

    void windowOfTheStepMode_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("caption");
        QTest::newRow("English") << lb::kEnglish << "Communicating...";
        QTest::newRow("Portuguese") << lb::kPortuguese << "Comunicando...";
        QTest::newRow("Japanese falls back to English") << 3 << "Communicating...";
    }
    void windowOfTheStepMode() {
        QFETCH(int, language);
        QFETCH(QString, caption);
        lb::ScopedLinkTiming timing(NoPauses());
        lb::SetLanguageIndex(language);

        QCOMPARE(ProgressWindowCount(), 0);
        lb::ShowProgress(lb::StepPerWrite, 3, 3);
        QPointer<TFormProcess> form = m_observer.window();
        QVERIFY(form);
        QVERIFY(form->isVisible());
        QVERIFY(form->isWindow());
        QVERIFY(!form->isModal());
        QCOMPARE(form->windowTitle(), caption);
        // At least its designed size, and as large as the Cancel button's caption needs.
        QVERIFY(form->width() >= 241 && form->height() >= 49);
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QVERIFY(form->cancelButton()->isVisible() && form->cancelButton()->isEnabled());
        const Qt::WindowFlags flags = form->windowFlags();
        QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
        QVERIFY(flags.testFlag(Qt::WindowTitleHint));
        QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
        // A dialog's title bar with no buttons at all.
        QCOMPARE(form->windowType(), Qt::Dialog);
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));

        QProgressBar* bar = form->findChild<QProgressBar*>("ProgressBar1");
        QVERIFY(bar);
        QVERIFY(bar->width() >= 209);
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 100);
        QCOMPARE(bar->value(), 3);   // the first step

        lb::AdvanceProgress(lb::StepPerWrite, 0);
        QCOMPARE(bar->value(), 6);
        lb::AdvanceProgress(lb::PercentOfBlock, 50);   // the other mode's call changes nothing
        QCOMPARE(bar->value(), 6);
        for (int i = 0; i < 40; ++i)
            lb::AdvanceProgress(lb::StepPerWrite, 0);
        QCOMPARE(bar->value(), 100);

        lb::HideProgress();
        QVERIFY(!form);   // destroyed, not just hidden
        QVERIFY(!m_observer.window());
        QCOMPARE(ProgressWindowCount(), 0);
    }

    void windowOfThePercentMode() {
        lb::ScopedLinkTiming timing(NoPauses());
        lb::ShowProgress(lb::PercentOfBlock, 3, 3);
        QProgressBar* bar = m_observer.window()->progressBar();
        QCOMPARE(bar->value(), 3);
        lb::AdvanceProgress(lb::StepPerWrite, 0);
        QCOMPARE(bar->value(), 3);
        lb::AdvanceProgress(lb::PercentOfBlock, 57);
        QCOMPARE(bar->value(), 57);
        lb::AdvanceProgress(lb::PercentOfBlock, 250);
        QCOMPARE(bar->value(), 100);
        lb::HideProgress();
        QCOMPARE(ProgressWindowCount(), 0);
    }

    void centredOnTheScreen() {
        lb::ScopedLinkTiming timing(NoPauses());
        lb::ShowProgress(lb::StepPerWrite, 3, 3);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QPoint centre = m_observer.window()->frameGeometry().center();
        QVERIFY2(qAbs(centre.x() - screen.center().x()) <= 1 && qAbs(centre.y() - screen.center().y()) <= 1,
                 qPrintable(QStringLiteral("window centre %1,%2 screen %3x%4 geometry %5,%6")
                                .arg(centre.x())
                                .arg(centre.y())
                                .arg(screen.width())
                                .arg(screen.height())
                                .arg(m_observer.window()->x())
                                .arg(m_observer.window()->y())));
        lb::HideProgress();
    }

    void userCannotCloseIt() {
        lb::ScopedLinkTiming timing(NoPauses());
        lb::ShowProgress(lb::StepPerWrite, 3, 3);
        QPointer<TFormProcess> form = m_observer.window();
        QVERIFY(!form->close());
        QTest::keyClick(form, Qt::Key_F4, Qt::AltModifier);
        QApplication::processEvents();
        QVERIFY(form);
        QVERIFY(form->isVisible());
        QVERIFY(!lb::LinkCancelRequested());
        // Escape is the Cancel button: the wait is cancelled, the window stays until the
        // exchange has returned.
        QTest::keyClick(form, Qt::Key_Escape);
        QVERIFY(lb::LinkCancelRequested());
        QVERIFY(!form->cancelButton()->isEnabled());
        QVERIFY(form);
        lb::HideProgress();
        QVERIFY(!form);
    }

    // A long wait without a progress window brings one up, busy, once it has lasted a second,
    // and takes it away with the action.
    void longWaitOffersCancel() {
        QVERIFY(!m_observer.window());
        m_observer.waiting(GuiLinkObserver::kOfferCancelAfterMs - 1);
        QVERIFY(!m_observer.window());
        m_observer.waiting(GuiLinkObserver::kOfferCancelAfterMs);
        QPointer<TFormProcess> form = m_observer.window();
        QVERIFY(form && form->isVisible());
        QCOMPARE(form->progressBar()->maximum(), 0);   // busy, no steps
        QTest::mouseClick(form->cancelButton(), Qt::LeftButton);
        QVERIFY(lb::LinkCancelRequested());
        m_observer.actionFinished();
        QVERIFY(!form);
        QVERIFY(!lb::LinkCancelRequested());   // the next action is not cancelled
    }

    void onlyOneWindowAtATime() {
        lb::ScopedLinkTiming timing(NoPauses());
        lb::ShowProgress(lb::StepPerWrite, 3, 3);
        lb::ShowProgress(lb::PercentOfBlock, 3, 3);
        QCOMPARE(ProgressWindowCount(), 1);
        lb::HideProgress();
        QCOMPARE(ProgressWindowCount(), 0);
    }

    // A raw block of 100 bytes over USB goes out as 64 + 36 bytes: the window is up during
    // the writes, the bar shows 3 at the first chunk and 64 % at the second, and the
    // message loop runs after each chunk.
    void rawBlockMovesTheBar() {
        lb::ScopedLinkTiming timing(NoPauses());
        CountingObserver observer;
        lb::SetLinkObserver(&observer);
        lb::test::ScopedRecordingDevice device(lb::InterfaceKind::Usb);
        QList<int> barAtChunk;
        device.log().onChunk = [&] {
            barAtChunk.append(observer.window() && observer.window()->isVisible()
                                  ? observer.window()->progressBar()->value()
                                  : -1);
        };
        QByteArray block(100, 'x');
        const int result =
            lb::RunPrinterOperation(lb::kOpSendRawBlock, lb::InterfaceKind::Usb, block.data(), 100);
        QCOMPARE(result, int(lb::kLinkOk));
        QCOMPARE(barAtChunk, QList<int>({3, 64}));
        QCOMPARE(observer.pumps, 2);
        QVERIFY(!observer.window());
        QCOMPARE(ProgressWindowCount(), 0);
        QCOMPARE(device.log().written, block);
    }

private:
    GuiLinkObserver m_observer;
};

QTEST_MAIN(TestFormProcess)
#include "tst_form_process.moc"
