// SPDX-License-Identifier: Apache-2.0
// The window in the technician's language: the language a desktop starts in, the live switch,
// and room for the words. A pseudo-translation lengthens every text by about 40 % and accents
// it; then no text of the main window's pages or of a dialog may be cut, and every visible text
// must have come through tr().

#include "app/language.h"
#include "app/ui/form_main.h"
#include "config/ui/form_password.h"
#include "config/ui/form_password_setup.h"
#include "fonts/ui/form_preview_font.h"
#include "functions/ui/form_dump_text_setup.h"
#include "functions/ui/form_rtc_setup.h"
#include "functions/ui/form_sensor_calibrate.h"
#include "link/link_error.h"
#include "link/link_types.h"
#include "link/link_wait.h"
#include "link/ui/form_lpt_setup.h"
#include "link/ui/form_rs232_setup.h"
#include "network/ui/form_ethernet_setup.h"
#include "network/ui/form_net_setup.h"
#include "tests/support/no_real_devices.h"
#include "tests/support/screenshot.h"
#include "ui_common/form_process.h"
#include "ui_common/message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>
#include <functional>
#include <memory>

using lb::InterfaceKind;
using lb::TFormMain;

namespace {

// Every text about 40 % longer, its letters accented, in brackets: "Set" → "[Śéţ·]". The
// placeholders (%1), accelerators (&) and line breaks stay usable.
QString Pseudo(const QString& source) {
    static const QString plain = QStringLiteral("aceinorsuzACEINORSUZ");
    static const QString accented = QStringLiteral("áçéíñóŕśúźÁÇÉÍÑÓŔŚÚŹ");
    QString out = QStringLiteral("[");
    for (qsizetype i = 0; i < source.size(); ++i) {
        const QChar c = source[i];
        const bool placeholder = i > 0 && source[i - 1] == u'%';
        const qsizetype at = placeholder ? -1 : plain.indexOf(c);
        out += at >= 0 ? accented[at] : c;
    }
    const qsizetype pad = std::max<qsizetype>(0, (source.size() * 4 + 5) / 10 - 2);
    return out + QString(pad, QChar(0x00B7)) + u']';
}

class PseudoTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return source && *source ? Pseudo(QString::fromUtf8(source)) : QString();
    }
};

QString Shown(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

// What does not fit: "ObjectName: text".
QStringList CutTexts(const QWidget* root) {
    QStringList cut;
    const auto check = [&](const QWidget* w, const QString& text, int need, int room) {
        if (!text.trimmed().isEmpty() && need > room)
            cut << QStringLiteral("%1 '%2' needs %3, has %4").arg(w->objectName(), text).arg(need).arg(room);
    };
    for (const QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        // Cut by its box or by the window's edge: less of it is on screen than it is wide.
        if ((qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLabel*>(w)) &&
            !w->visibleRegion().isEmpty() && w->visibleRegion().boundingRect().width() < w->width())
            cut << QStringLiteral("%1 is cut by its box").arg(w->objectName());
        const QFontMetrics fm = w->fontMetrics();
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            if (label->wordWrap() || label->textFormat() == Qt::RichText || !label->pixmap().isNull())
                continue;
            // A label cut on purpose (the status bar's outcome) carries the whole text as tooltip.
            if (!label->toolTip().isEmpty() && label->toolTip() != label->text()) continue;
            for (const QString& line : Shown(label->text()).split(u'\n'))
                check(w, line, fm.horizontalAdvance(line),
                      label->contentsRect().width() - 2 * label->margin());
        } else if (const auto* button = qobject_cast<const QPushButton*>(w)) {
            check(w, Shown(button->text()), fm.horizontalAdvance(Shown(button->text())) + 8, button->width());
        } else if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
            const auto* b = static_cast<const QAbstractButton*>(w);
            check(w, Shown(b->text()), b->sizeHint().width(), b->width());
        } else if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
            check(w, Shown(box->title()), fm.horizontalAdvance(Shown(box->title())) + 8, box->width());
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                check(w, Shown(tabs->tabText(i)), fm.horizontalAdvance(Shown(tabs->tabText(i))) + 12,
                      tabs->tabRect(i).width());
        } else if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
            if (!combo->isEditable())
                check(w, combo->currentText(), fm.horizontalAdvance(combo->currentText()) + 24,
                      combo->width());
        }
    }
    return cut;
}

// Visible texts that did not come through the translator: no "[" from the pseudo-translation.
// The designed texts the windows keep in every language are not counted.
QStringList Untranslated(const QWidget* root) {
    static const QRegularExpression designed(QStringLiteral(
        "^(USB|COM|LPT|ETHERNET|DRAM|FLASH|CARD|KB|Bytes|LabelBench.*|LPT\\d.*|COM\\d.*|[\\d\\s.,:%/-]*|"
        "Z|D|OK|Cancel|Editor|\\.\\.\\.)$"));
    QStringList found;
    const auto note = [&](const QWidget* w, const QString& text) {
        const QString t = Shown(text).trimmed();
        if (t.isEmpty() || t.contains(u'[') || designed.match(t).hasMatch()) return;
        found << QStringLiteral("%1 '%2'").arg(w->objectName(), t);
    };
    for (const QWidget* w : root->findChildren<QWidget*>()) {
        // The clock, and the clock's time-stamp formats, which the printer's manual names so.
        if (!w->isVisible() || w->objectName() == QLatin1String("StatusPanel3") ||
            w->objectName().startsWith(QLatin1String("RadioGroupFormatType")))
            continue;
        if (const auto* label = qobject_cast<const QLabel*>(w))
            note(w, label->text());
        else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            note(w, button->text());
        else if (const auto* box = qobject_cast<const QGroupBox*>(w))
            note(w, box->title());
        else if (const auto* tabs = qobject_cast<const QTabBar*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                note(w, tabs->tabText(i));
    }
    return found;
}

// Every dialog that opens without a printer.
std::vector<std::unique_ptr<QWidget>> Dialogs() {
    static lb::ParallelPortName port = lb::DefaultParallelPortName();
    static lb::SerialSettings serial = lb::DefaultSerialSettings();
    std::vector<std::unique_ptr<QWidget>> dialogs;
    dialogs.emplace_back(new lb::TFormPassword);
    dialogs.emplace_back(new lb::TFormPasswordSetup);
    dialogs.emplace_back(new lb::TFormPreviewFont);
    dialogs.emplace_back(new lb::TFormDumpTextSetup);
    dialogs.emplace_back(new lb::TFormRTCSetup);
    dialogs.emplace_back(new lb::TFormSensorCalibrate);
    dialogs.emplace_back(new lb::TFormLPTSetup(&port, QStringList{}));
    dialogs.emplace_back(new lb::TFormRs232Setup(&serial, QStringList{}));
    dialogs.emplace_back(new lb::TFormEthernetSetup);
    dialogs.emplace_back(new lb::TFormNetSetup);
    dialogs.emplace_back(new lb::TFormProcess);
    return dialogs;
}

// The main window's pages, and the configuration page's own tabs, one after the other.
void ForEachPage(TFormMain& form, const std::function<void(const QString&)>& look) {
    auto* pages = form.findChild<QTabWidget*>("PageControl1");
    auto* config = form.findChild<QTabWidget*>("PageControlConfig");
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        if (pages->widget(i)->isAncestorOf(config)) {
            for (int j = 0; j < config->count(); ++j) {
                config->setCurrentIndex(j);
                look(QStringLiteral("page %1.%2").arg(i).arg(j));
            }
        } else {
            look(QStringLiteral("page %1").arg(i));
        }
    }
}

}   // namespace

class TestLanguages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { lb::test::InstallAbsentDevices(); }
    void cleanup() { lb::SetLanguageIndex(lb::kEnglish); }

    void initialLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("index");
        QTest::newRow("zh_TW") << "zh_TW" << 1;
        QTest::newRow("zh_CN") << "zh_CN" << 2;
        QTest::newRow("zh_HK") << "zh_HK" << 0;
        QTest::newRow("pt_BR") << "pt_BR" << 5;
        QTest::newRow("pt_PT") << "pt_PT" << 5;
        QTest::newRow("de_AT") << "de_AT" << 6;
        QTest::newRow("de_CH") << "de_CH" << 6;
        QTest::newRow("ru_RU") << "ru_RU" << 9;
        QTest::newRow("lt_LT") << "lt_LT" << 11;
        QTest::newRow("uk_UA") << "uk_UA" << 13;
        QTest::newRow("nl_NL") << "nl_NL" << 0;
        QTest::newRow("C") << "C" << 0;
    }
    void initialLanguage() {
        QFETCH(QString, locale);
        QFETCH(int, index);
        QCOMPARE(lb::ChooseInitialLanguage(QLocale(locale)), index);
        if (index != 0)
            QCOMPARE(lb::LanguageIndexOfCode(lb::LanguageCode(index).toLower().replace('_', '-')), index);
        QCOMPARE(lb::LanguageIndexOfCode("xx"), -1);
    }

    // The link's errors and the progress window's title are English in every language but
    // Portuguese; the detail under an error is translated.
    void englishOnly_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("portOpen");
        QTest::addColumn<QString>("communicating");
        QTest::newRow("de") << 6 << "Port Open Error"
                            << "Communicating...";
        QTest::newRow("zh_TW") << 1 << "Port Open Error"
                               << "Communicating...";
        QTest::newRow("pt") << 5 << "Erro de Abertura de Porta"
                            << "Comunicando...";
    }
    void englishOnly() {
        QFETCH(int, language);
        QFETCH(QString, portOpen);
        QFETCH(QString, communicating);
        lb::SetLanguageIndex(language);
        QCOMPARE(lb::LinkErrorText(lb::kPortOpenError), portOpen);
        QCOMPARE(lb::CommunicatingCaption(), communicating);
        QVERIFY(lb::LinkCancelledReason() != QLatin1String("cancelled"));
        // Qt's own buttons follow, from Qt's translations.
        QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"));
    }

    // The switch keeps selections, shows the unit in the new language and lists the languages
    // in it; back to English every text is as it was.
    void liveSwitch() {
        lb::ScopedMessageBoxAnswers answers;
        TFormMain form({InterfaceKind::Usb, {}, 9100, QSize(1280, 1024)});
        form.findChild<QRadioButton*>("RadioButtonUnitMm")->click();
        auto* pitch = form.findChild<QComboBox*>("ComboBoxFontPitch");
        pitch->setCurrentIndex(1);
        const auto texts = [&form] {
            QStringList all;
            for (const QWidget* w : form.findChildren<QWidget*>()) {
                if (const auto* l = qobject_cast<const QLabel*>(w)) all << w->objectName() + '=' + l->text();
                if (const auto* b = qobject_cast<const QAbstractButton*>(w))
                    all << w->objectName() + '=' + b->text();
                if (const auto* g = qobject_cast<const QGroupBox*>(w))
                    all << w->objectName() + '=' + g->title();
                if (const auto* c = qobject_cast<const QComboBox*>(w))
                    for (int i = 0; i < c->count(); ++i)
                        all << w->objectName() + '=' + c->itemText(i);
            }
            return all;
        };
        const QStringList english = texts();
        auto* languages = form.findChild<QComboBox*>("ComboBoxLanguage");
        languages->setCurrentIndex(9);   // Russian
        QCoreApplication::processEvents();
        QCOMPARE(form.findChild<QPushButton*>("ButtonRead")->text(), QString::fromUtf8("Получить"));
        QCOMPARE(languages->itemText(0), QString::fromUtf8("Английский (English)"));
        QCOMPARE(languages->itemText(9), QString::fromUtf8("Русский"));
        QCOMPARE(pitch->currentIndex(), 1);
        QVERIFY(form.findChild<QRadioButton*>("RadioButtonUnitMm")->isChecked());
        QCOMPARE(form.findChild<QLabel*>("LabelUnit1")->text(),
                 form.findChild<QRadioButton*>("RadioButtonUnitMm")->text());
        languages->setCurrentIndex(0);
        QCoreApplication::processEvents();
        QCOMPARE(texts(), english);
    }

    // Every language, as it starts: nothing cut.
    void everyLanguageFits_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("language");
        for (int language = 1; language < lb::kLanguageCount; ++language)
            for (const QSize screen : {QSize(1280, 1024), QSize(1024, 600)})
                QTest::addRow("%s %dx%d", qPrintable(lb::LanguageCode(language)), screen.width(),
                              screen.height())
                    << screen << language;
    }
    void everyLanguageFits() {
        QFETCH(QSize, screen);
        QFETCH(int, language);
        lb::ScopedMessageBoxAnswers answers;
        QStringList problems;
        TFormMain form({InterfaceKind::Usb, {}, 9100, screen, language});
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::qWait(20);
        const QString code = lb::LanguageCode(language);
        ForEachPage(form, [&](const QString& where) {
            for (const QString& p : CutTexts(&form))
                problems << where + ": " + p;
            lb::test::Shoot(&form, code + ' ' + where);
        });
        for (const auto& dialog : Dialogs()) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
            for (const QString& p : CutTexts(dialog.get()))
                problems << dialog->objectName() + ": " + p;
            lb::test::Shoot(dialog.get(), code + ' ' + dialog->objectName());
            dialog->hide();
        }
        problems.removeDuplicates();
        for (const QString& p : problems)
            qWarning().noquote() << p;
        QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("%1 texts cut").arg(problems.size())));
    }

    void pseudoTranslationFits_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("switched");   // else started in the language
        QTest::newRow("1280x1024, switched") << QSize(1280, 1024) << true;
        QTest::newRow("1024x600, switched") << QSize(1024, 600) << true;
        QTest::newRow("1280x1024, started") << QSize(1280, 1024) << false;
        QTest::newRow("1024x600, started") << QSize(1024, 600) << false;
    }
    void pseudoTranslationFits() {
        QFETCH(QSize, screen);
        QFETCH(bool, switched);
        lb::ScopedMessageBoxAnswers answers;
        PseudoTranslator pseudo;
        QStringList problems;
        {
            if (!switched) QCoreApplication::installTranslator(&pseudo);
            TFormMain form({InterfaceKind::Usb, {}, 9100, screen});
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            if (switched) QCoreApplication::installTranslator(&pseudo);
            QTest::qWait(20);   // the windows re-label themselves, then the window fits them
            ForEachPage(form, [&](const QString& where) {
                for (const QString& p : CutTexts(&form) + Untranslated(&form))
                    problems << where + ": " + p;
            });
        }
        for (const auto& dialog : Dialogs()) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
            for (const QString& p : CutTexts(dialog.get()) + Untranslated(dialog.get()))
                problems << dialog->objectName() + ": " + p;
            dialog->hide();
        }
        QCoreApplication::removeTranslator(&pseudo);
        problems.removeDuplicates();
        for (const QString& p : problems)
            qWarning().noquote() << p;
        QVERIFY2(problems.isEmpty(),
                 qPrintable(QStringLiteral("%1 texts cut or untranslated").arg(problems.size())));
    }
};

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
