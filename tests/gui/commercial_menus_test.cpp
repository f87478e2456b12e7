// The commercial dialogs as the main window opens them, and what their
// answers do to the window: accessories into the quotation, a price update
// emptying what was priced before, a calculated heat into the duty.
#include "core/quote/price_file.h"
#include "gui/app/form_startmenu.h"
#include "gui/calc/form_calc_heat.h"
#include "gui/quote/form_accessories.h"
#include "gui/quote/form_price_disk.h"
#include "gui/quote/quotation_tab.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/string_grid.h"
#include "support/modal.h"
#include "support/recording_answerer.h"
#include "support/running_program.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QtTest>

namespace kr::gui::test {
namespace {

const QString SamplePriceDisk = QStringLiteral(KR_DIST_DIR "/pricedisk/Price.dat");

class Window {
public:
    Window() : program_({Dword("Showmenu", 0), Dword("Width", 984)}) { Main().show(); }
    TFormStartmenu& Main() const { return program_.Window(); }
    AppState& State() const { return program_.State(); }
    const StringGrid& Items() const { return *Main().Quotation->Controls.StringGridItems; }

    // An AC 400 V duty searched and its first cooler transferred.
    void TransferFirstCooler() const
    {
        const CalcTabControls& c = Main().Calc;
        c.EditHeatReject->setText(QStringLiteral("10"));
        c.EditOilFlow->setText(QStringLiteral("80"));
        c.EditAmbientTemp->setText(QStringLiteral("30"));
        c.EditInletTemp->setText(QStringLiteral("60"));
        c.RadioButtonACDC->setChecked(true);
        Main().Menus.MenuCalc->trigger();
        QTest::mouseClick(Main().MainScreen.zBitColBtnSearch, Qt::LeftButton);
        QTest::mouseClick(Main().MainScreen.zBitColBtnTransfer, Qt::LeftButton);
    }

    RecordingAnswerer Answerer;

private:
    RunningProgram program_;
};

}  // namespace

class CommercialMenusTest : public QObject {
    Q_OBJECT

private slots:
    void AccessoriesComeAfterTheCoolersAdaptersFirst()
    {
        Window window;
        window.TransferFirstCooler();
        window.Main().Menus.MenuQuotation->trigger();
        QString adapter, thermoSwitch;
        WhenDialogShown<TFormAccessories>([&](TFormAccessories& dialog) {
            // Ticked in the other order than they come into the quotation.
            dialog.CheckListBoxTermokontakt->item(0)->setCheckState(Qt::Checked);
            dialog.CheckListBoxAdapter->item(1)->setCheckState(Qt::Checked);
            thermoSwitch = dialog.CheckListBoxTermokontakt->item(0)->text();
            adapter = dialog.CheckListBoxAdapter->item(1)->text();
            QTest::mouseClick(dialog.zBitColBtnTransfer, Qt::LeftButton);
        });
        // The menu item, which the button's own test would not reach.
        window.Main().Menus.MenuAccessories->trigger();
        QCOMPARE(window.Items().RowCount(), 5);
        QCOMPARE(window.Items().Cell(2, 2), adapter);
        QCOMPARE(window.Items().Cell(2, 3), thermoSwitch);
        QCOMPARE(window.Items().Cell(3, 3), QStringLiteral("1"));
    }

    void APriceUpdateEmptiesTheQuotationAndTheResults()
    {
        Window window;
        window.TransferFirstCooler();
        const std::string itemNo = window.State().CalculationResults.ResultAt(1)->ItemNo();
        const QString before = window.Items().Cell(4, 1);
        WhenDialogShown<TFormPriceDisk>([](TFormPriceDisk& dialog) {
            dialog.ChooseFile(SamplePriceDisk);
            QTest::mouseClick(dialog.ButtonStart, Qt::LeftButton);
        });
        window.Main().Menus.MenuPriceUpdate->trigger();
        QCOMPARE(window.Items().RowCount(), 2);
        QVERIFY(window.Main().MainScreen.StringGridResult->isHidden());
        QVERIFY(window.Main().Calc.EditHeatReject->text().isEmpty());

        // A cooler transferred now is priced from the new list.
        window.TransferFirstCooler();
        const PriceLookup now = LookUpPrice(window.State().PriceRecords, itemNo);
        QVERIFY(now.Found);
        QCOMPARE(window.Items().Cell(4, 1), QString::number(static_cast<double>(now.Price), 'f', 2));
        QVERIFY(window.Items().Cell(4, 1) != before);
    }

    void ACalculatedHeatGoesIntoTheDuty()
    {
        Window window;
        WhenDialogShown<TFormCalcHeat>([](TFormCalcHeat& dialog) {
            const std::pair<QLineEdit*, const char*> entries[] = {
                {dialog.EditOilVolume, "100"}, {dialog.EditDensity, "0.85"}, {dialog.EditheatCap, "2.1"},
                {dialog.EditIntTemp, "40"},    {dialog.EditObTemp, "50"},    {dialog.EditTime, "20"}};
            for (const auto& [edit, text] : entries)
                edit->setText(QString::fromLatin1(text));
            QTest::mouseClick(dialog.zBitColBtnCalc, Qt::LeftButton);
            QCOMPARE(dialog.EditHeatRejection->text(), QStringLiteral("1.49"));
            QTest::mouseClick(dialog.zBitColBtnTransfer, Qt::LeftButton);
        });
        window.Main().Menus.MenuHeatCalc->trigger();
        QCOMPARE(window.Main().Calc.EditHeatReject->text(), QStringLiteral("1.5"));
        QCOMPARE(window.Main().Calc.ComboBoxHeatReject->currentIndex(), 0);
    }
};

}  // namespace kr::gui::test

QTEST_MAIN(kr::gui::test::CommercialMenusTest)
#include "commercial_menus_test.moc"
