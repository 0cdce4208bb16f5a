// SPDX-License-Identifier: Apache-2.0
// The pages on their own, without the main window: every control the configuration panel's
// table names is in the page's form, of the kind the table expects, on the tab of its page.

#include "app/ui/form_main.h"
#include "config/config_panel.h"
#include "config/ui/printer_configuration_page.h"
#include "tests/support/no_real_devices.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

using lb::PanelField;

class TestPages : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { lb::test::InstallAbsentDevices(); }

    void panelControlsAreInThePage_data() {
        QTest::addColumn<int>("index");
        const auto fields = lb::PanelFields();
        for (int i = 0; i < int(fields.size()); ++i)
            QTest::newRow(fields[std::size_t(i)].control) << i;
    }
    void panelControlsAreInThePage() {
        QFETCH(int, index);
        const PanelField& field = lb::PanelFields()[std::size_t(index)];
        lb::PrinterConfig config{};
        lb::PrinterStatus status{};
        lb::PageContext context;
        context.unit = [] { return lb::LengthUnit::Inch; };
        context.printerConfig = &config;
        context.printerStatus = &status;
        lb::PrinterConfigurationPage page(context);

        auto* tabs = page.findChild<QTabWidget*>("PageControlConfig");
        QVERIFY(tabs);
        QWidget* control = page.findChild<QWidget*>(field.control);
        QVERIFY2(control, field.control);
        if (lb::IsPanelList(field))
            QVERIFY2(qobject_cast<QComboBox*>(control), field.control);
        else
            QVERIFY2(qobject_cast<QLineEdit*>(control), field.control);
        QVERIFY(tabs->widget(field.page));
        QVERIFY2(tabs->widget(field.page)->isAncestorOf(control), field.control);
    }

    // A language change re-translates the shell and every page, and clears the status word
    // that was shown in the old language.
    void languageChangeRetranslates_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("shell") << "ButtonInterFace";
        QTest::newRow("configuration page") << "ButtonRead";
        QTest::newRow("function box") << "ButtonInitial";
    }
    void languageChangeRetranslates() {
        QFETCH(QString, button);
        lb::TFormMain form({lb::InterfaceKind::Usb, {}, 9100, QSize(1280, 1024)});
        auto* control = form.findChild<QAbstractButton*>(button);
        QVERIFY(control);
        const QString caption = control->text();
        control->setText("stale");
        auto* status = form.findChild<QLineEdit*>("EditPrinterStatus");
        status->setText("READY");
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&form, &change);
        QCOMPARE(control->text(), caption);
        QCOMPARE(status->text(), QString());
    }
};

QTEST_MAIN(TestPages)
#include "tst_pages.moc"
