// The options, about and error dialogs.
#include "core/data/text_keys.h"
#include "gui/app/form_about.h"
#include "gui/app/form_errors.h"
#include "gui/app/form_options.h"
#include "gui/quote/quotation_tab.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/language_picker.h"
#include "support/modal.h"
#include "support/recording_answerer.h"
#include "support/running_program.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

namespace kr::gui::test {

namespace {

QString TextOf(const char* languageFile, const TextKey& key)
{
    return QString::fromStdString(DistText(QString::fromLatin1(languageFile), key.Key));
}

QByteArray FileBytes(const std::filesystem::path& file)
{
    QFile in(QString::fromStdString(file.string()));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

// Every character 6 pixels wide.
int FixedWidth(const QString& text)
{
    return 6 * static_cast<int>(text.size());
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void ErrorLinesWrapWithIndentedContinuations()
    {
        // 10 characters fit in 60 pixels.
        const QStringList lines = WrapErrorLines(QStringLiteral("1. aaaa bbbb cccc dddd\r\n\r\n2. short"), 60, FixedWidth);
        const QString indent(7, u' ');
        QCOMPARE(lines, QStringList({QStringLiteral("1. aaaa "), indent + QStringLiteral("bbbb cccc "),
                                     indent + QStringLiteral("dddd"), QString(), QStringLiteral("2. short")}));
    }

    void ErrorListShowsCaptionTextAndBeeps()
    {
        RecordingAnswerer answerer;
        RunningProgram program({Dword("Showmenu", 0)});
        const LanguageTable& texts = program.State().Texts();
        QString text;
        for (int n = 1; n <= 30; ++n)
            text += QStringLiteral("%1. The ambient temperature must lie between -40 and 50 degrees, and it does not.\r\n\r\n").arg(n);
        bool seen = false;
        WhenDialogShown<TFormErrors>([&](TFormErrors& errors) {
            seen = true;
            QCOMPARE(errors.windowTitle(), TextOf("English.SPROG", keys::ErrorCaption));
            QCOMPARE(errors.zGradBtnOK->text(), TextOf("English.SPROG", keys::Ok));
            QCOMPARE(errors.size(), QSize(542, 273));
            QCOMPARE(errors.ScrollBox1->geometry(), QRect(6, 6, 525, 211));
            // Too long for the box: it scrolls rather than the dialog growing.
            QVERIFY(errors.LabelText->height() > errors.ScrollBox1->viewport()->height());
            QVERIFY(errors.ScrollBox1->verticalScrollBar()->maximum() > 0);
            QVERIFY(errors.LabelText->text().contains(QStringLiteral("\n       ")));
            QTest::mouseClick(errors.zGradBtnOK, Qt::LeftButton);
        });
        ShowErrorList(&program.Window(), texts, text);
        QVERIFY(seen);
        QCOMPARE(answerer.Beeps, std::vector<BeepKind>{BeepKind::Error});
    }

    void ErrorListWithoutItsTextsStillCloses()
    {
        RecordingAnswerer answerer;
        const LanguageTable bare(std::vector<std::string>{"LANGUAGE=Bare"});
        bool seen = false;
        WhenDialogShown<TFormErrors>([&](TFormErrors& errors) {
            seen = true;
            QVERIFY(errors.windowTitle().isEmpty());
            QVERIFY(errors.zGradBtnOK->text().isEmpty());
            QTest::mouseClick(errors.zGradBtnOK, Qt::LeftButton);
        });
        ShowErrorList(nullptr, bare, QStringLiteral("1. Problem"));
        QVERIFY(seen);
    }

    void AboutShowsTheLanguageTexts()
    {
        RecordingAnswerer answerer;
        RunningProgram program({Dword("Showmenu", 0)});
        TFormStartmenu& window = program.Window();
        window.show();
        bool seen = false;
        WhenDialogShown<TFormAbout>([&](TFormAbout& about) {
            seen = true;
            QCOMPARE(about.windowTitle(), TextOf("English.SPROG", keys::About));
            QCOMPARE(about.LabelTitel->text(), TextOf("English.SPROG", keys::KrOilCoolers));
            QCOMPARE(about.LabelVersion->text(), TextOf("English.SPROG", keys::Version));
            QCOMPARE(about.size(), QSize(292, 238));
            QCOMPARE(about.pos(), QPoint(window.x() + (window.width() - 292) / 2, window.y() + (window.height() - 238) / 2));
            QTest::mouseClick(about.ButtonOK, Qt::LeftButton);
        });
        window.Menus.MenuAbout->trigger();
        QVERIFY(seen);
    }

    void OptionsShowTheSettings()
    {
        RecordingAnswerer answerer;
        RunningProgram program({Dword("Showmenu", 1), String("Delivery", "Ex works"), Dword("PricePct", 12),
                                Dword("PresssureLoss", 3), Dword("Weight", 7)});
        TFormStartmenu& window = program.Window();
        window.show();
        // "Do not show this" on the start menu shows in the options at once.
        QTest::mouseClick(window.StartMenu.CheckBoxShowStartmenu, Qt::LeftButton, {}, QPoint(5, 8));
        bool seen = false;
        WhenDialogShown<TFormOptions>([&](TFormOptions& options) {
            seen = true;
            QVERIFY(!options.CheckBoxShowStart->isChecked());
            QCOMPARE(options.ComboBoxLanguage->currentText(), QStringLiteral("English"));
            QCOMPARE(options.EditDeliveri->text(), QStringLiteral("Ex works"));
            QCOMPARE(options.EditDiscount->text(), QStringLiteral("12"));
            QCOMPARE(options.ComboBoxPressLoss->currentText(), QStringLiteral("PSI"));
            QCOMPARE(options.ComboBoxWeight->currentIndex(), 0);  // a stored index beyond the list
            QCOMPARE(options.ComboBoxAirFlow->count(), 2);
            QCOMPARE(options.ComboBoxVolume->count(), 4);
            QCOMPARE(options.size(), QSize(444, 333));
            options.reject();
        });
        window.MenuSetOptionsClick();
        QVERIFY(seen);
    }

    void OptionsRoundTripWithLanguageChange()
    {
        RecordingAnswerer answerer;
        RunningProgram program({Dword("Showmenu", 0)});
        TFormStartmenu& window = program.Window();
        window.show();
        WhenDialogShown<TFormOptions>([&](TFormOptions& options) {
            options.ComboBoxLanguage->setCurrentIndex(options.ComboBoxLanguage->findText(QStringLiteral("Dansk")));
            options.CheckBoxShowStart->setChecked(true);
            options.MemoName->setPlainText(QStringLiteral("Hansen ApS\nVejen 1"));
            options.EditUsername->setText(QStringLiteral("Ole"));
            options.CheckBoxInclude->setChecked(true);
            options.EditDiscount->clear();
            QTest::keyClicks(options.EditDiscount, QStringLiteral("1x5"));
            options.EditLeadTime->setText(QStringLiteral("3 weeks"));
            options.EditDeliveri->setText(QStringLiteral("Ex works"));
            options.EditPayment->setText(QStringLiteral("30 days"));
            options.ComboBoxAirFlow->setCurrentIndex(1);
            options.ComboBoxPressLoss->setCurrentIndex(2);
            options.ComboBoxWeight->setCurrentIndex(1);
            options.ComboBoxVolume->setCurrentIndex(3);
            QTest::mouseClick(options.ButtonClose, Qt::LeftButton);
        });
        window.MenuSetOptionsClick();
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(answerer.Beeps, std::vector<BeepKind>{BeepKind::Default});  // the "x"

        // The texts change at once ...
        QCOMPARE(window.Menus.MenuCalc->text(), TextOf("Dansk.SPROG", keys::Calculation));
        QCOMPARE(window.Calc.EditHeatReject->accessibleName(), TextOf("Dansk.SPROG", keys::HeatRejection));
        QCOMPARE(window.StatusText(0), QStringLiteral(" ") + TextOf("Dansk.SPROG", keys::CalculationText));
        // ... the quotation page shows the new sender and terms ...
        QCOMPARE(window.Quotation->Controls.MemoAfsender->toPlainText(), QStringLiteral("Hansen ApS\nVejen 1"));
        QCOMPARE(window.Quotation->Controls.EditLeadTime->text(), QStringLiteral("3 weeks"));
        // ... and every option is kept.
        const RegistryStore store = program.Folder.Store();
        QCOMPARE(store.ReadString("Language").text, std::string("Dansk"));
        QCOMPARE(store.ReadDword("Showmenu"), std::optional<std::uint32_t>(1));
        QCOMPARE(store.ReadString("NameAddress").text, std::string("Hansen ApS\r\nVejen 1"));
        QCOMPARE(store.ReadString("UserName").text, std::string("Ole"));
        QCOMPARE(store.ReadDword("NameOnPrint"), std::optional<std::uint32_t>(1));
        QCOMPARE(store.ReadDword("PricePct"), std::optional<std::uint32_t>(15));
        QCOMPARE(store.ReadString("Payment").text, std::string("30 days"));
        QCOMPARE(store.ReadDword("AirFlow"), std::optional<std::uint32_t>(1));
        QCOMPARE(store.ReadDword("PresssureLoss"), std::optional<std::uint32_t>(2));
        QCOMPARE(store.ReadDword("Weight"), std::optional<std::uint32_t>(1));
        QCOMPARE(store.ReadDword("Volume"), std::optional<std::uint32_t>(3));

        // The language survives a restart.
        window.close();
        const Startup again = StartProgram(program.Folder.Environment());
        QVERIFY(again.State->StartupOk);
        QCOMPARE(again.MainWindow->Menus.MenuCalc->text(), TextOf("Dansk.SPROG", keys::Calculation));
        QCOMPARE(again.MainWindow->windowTitle(), TextOf("Dansk.SPROG", keys::KrOilCoolers));
    }

    void ConfirmedOptionsRenewOnlyWhatTheUserDidNotType()
    {
        RecordingAnswerer answerer;
        RunningProgram program({Dword("Showmenu", 0)});
        TFormStartmenu& window = program.Window();
        window.show();
        const QuotationTabControls& q = window.Quotation->Controls;
        const auto confirmWithLanguage = [&](const QString& language) {
            WhenDialogShown<TFormOptions>([&](TFormOptions& options) {
                options.ComboBoxLanguage->setCurrentIndex(options.ComboBoxLanguage->findText(language));
                QTest::mouseClick(options.ButtonClose, Qt::LeftButton);
            });
            window.MenuSetOptionsClick();
            QTRY_VERIFY(!QApplication::activeModalWidget());
        };
        const QString today = q.EditDate->text();
        QCOMPARE(q.MemoNameAddress->toPlainText(), TextOf("English.SPROG", keys::NameAndAddressOfReceiver));

        // A receiver the user typed stays; the date the program wrote is renewed.
        q.MemoNameAddress->setPlainText(QStringLiteral("Jensen Hydraulik\nHavnevej 4"));
        confirmWithLanguage(QStringLiteral("Dansk"));
        QCOMPARE(q.MemoNameAddress->toPlainText(), QStringLiteral("Jensen Hydraulik\nHavnevej 4"));
        QCOMPARE(q.EditDate->text(), today);
        // The dialog, still open while the texts are applied, has controls of
        // the same names; the window's own get the texts.
        QCOMPARE(q.LabelName->text(), TextOf("Dansk.SPROG", keys::To));
        QCOMPARE(q.EditPayment->toolTip(), TextOf("Dansk.SPROG", keys::HintPayment));
        QCOMPARE(window.MainScreen.zBitColBtnHelp->text(), TextOf("Dansk.SPROG", keys::Help));

        // The prompt the program wrote follows the language; a typed date stays.
        q.MemoNameAddress->setPlainText(TextOf("Dansk.SPROG", keys::NameAndAddressOfReceiver));
        q.EditDate->setText(QStringLiteral("1.2.2020"));
        confirmWithLanguage(QStringLiteral("Deutsch"));
        QCOMPARE(q.MemoNameAddress->toPlainText(), TextOf("Deutsch.SPROG", keys::NameAndAddressOfReceiver));
        QCOMPARE(q.EditDate->text(), QStringLiteral("1.2.2020"));
        QVERIFY(TextOf("Deutsch.SPROG", keys::NameAndAddressOfReceiver) !=
                TextOf("Dansk.SPROG", keys::NameAndAddressOfReceiver));
    }

    void CancelAfterSetBackToDefaultChangesNothing()
    {
        RecordingAnswerer answerer;
        RunningProgram program({Dword("Showmenu", 0), Dword("PricePct", 5), String("LeadTime", "2 weeks"),
                                Dword("Volume", 2)});
        TFormStartmenu& window = program.Window();
        window.show();
        const QByteArray before = FileBytes(program.Folder.RegistryFile());
        const QString menuText = window.Menus.MenuCalc->text();
        WhenDialogShown<TFormOptions>([&](TFormOptions& options) {
            options.ComboBoxLanguage->setCurrentIndex(options.ComboBoxLanguage->findText(QStringLiteral("Deutsch")));
            QTest::mouseClick(options.ButtonDefault, Qt::LeftButton);
            QCOMPARE(options.EditDiscount->text(), QStringLiteral("0"));
            QVERIFY(options.EditLeadTime->text().isEmpty());
            QCOMPARE(options.ComboBoxVolume->currentIndex(), 0);
            options.reject();
        });
        window.MenuSetOptionsClick();
        QCOMPARE(FileBytes(program.Folder.RegistryFile()), before);
        QCOMPARE(program.State().Settings.PricePct, 5);
        QCOMPARE(window.Menus.MenuCalc->text(), menuText);
    }

    void DiscountAsStored_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("percent");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("whole") << "15" << 15;
        QTest::newRow("not a number") << "1,5" << 0;
        QTest::newRow("negative") << "-5" << 0;
        QTest::newRow("beyond the price") << "150" << 100;
    }
    void DiscountAsStored()
    {
        QFETCH(QString, text);
        QFETCH(int, percent);
        QCOMPARE(TFormOptions::DiscountPercent(text), percent);
    }

    void LanguagePickerShowsEveryLanguageWithItsFlag()
    {
        RecordingAnswerer answerer;
        RunningProgram program({Dword("Showmenu", 0)});
        TFormOptions options(program.Window());
        const LanguagePicker& picker = *options.ComboBoxLanguage;
        QCOMPARE(picker.count(), static_cast<int>(program.State().Languages.size()));
        int tallest = LanguagePicker::MinItemHeight;
        for (int i = 0; i < picker.count(); ++i) {
            QVERIFY2(!picker.Flag(i).isNull(), qPrintable(picker.itemText(i)));
            tallest = qMax(tallest, picker.Flag(i).height());
        }
        QCOMPARE(picker.ItemHeight(), tallest);
        QCOMPARE(options.ComboBoxLanguage->accessibleName(), TextOf("English.SPROG", keys::HintLanguage));
    }
};

}  // namespace kr::gui::test

QTEST_MAIN(kr::gui::test::DialogsTest)
#include "dialogs_test.moc"
