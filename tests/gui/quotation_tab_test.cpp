// The Quotation tab driven as a screen reader drives it: coolers
// transferred from both result grids, the quantity and delete buttons of
// the current row, and Reset.
#include "core/data/text_keys.h"
#include "core/quote/price_file.h"
#include "gui/app/form_startmenu.h"
#include "gui/quote/quotation_tab.h"
#include "gui/widgets/string_grid.h"
#include "support/recording_answerer.h"
#include "support/running_program.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include <functional>

namespace kr::gui::test {
namespace {

QString English(const TextKey& key)
{
    return QString::fromStdString(DistText(QStringLiteral("English.SPROG"), key.Key));
}

class Screen {
public:
    explicit Screen(int width)
        : program_({Dword("Showmenu", 0), Dword("Width", static_cast<std::uint32_t>(width)), Dword("Left", 0),
                    Dword("Top", 0)})
    {
        program_.Window().show();
    }
    TFormStartmenu& Window() const { return program_.Window(); }
    AppState& State() const { return program_.State(); }
    const QuotationTabControls& Quote() const { return Window().Quotation->Controls; }

    // A duty on the Calculation tab, searched: heat, oil flow, the drive's radio button.
    void Search(const char* heat, const char* flow, QRadioButton* drive) const
    {
        const CalcTabControls& c = Window().Calc;
        c.EditHeatReject->setText(QString::fromLatin1(heat));
        c.EditAmbientTemp->setText(QStringLiteral("30"));
        c.EditInletTemp->setText(QStringLiteral("60"));
        drive->setChecked(true);
        c.EditOilFlow->setText(QString::fromLatin1(flow));
        Press(English(keys::Search));
    }

    // The visible control a screen reader finds by its name; null if none.
    QAccessibleInterface* Find(const QString& name) const
    {
        std::function<QAccessibleInterface*(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            if (!node || node->state().invisible)
                return static_cast<QAccessibleInterface*>(nullptr);
            if (node->text(QAccessible::Name) == name)
                return node;
            for (int i = 0; i < node->childCount(); ++i) {
                if (QAccessibleInterface* found = walk(node->child(i)))
                    return found;
            }
            return static_cast<QAccessibleInterface*>(nullptr);
        };
        return walk(QAccessible::queryAccessibleInterface(&Window()));
    }
    void Press(const QString& name) const
    {
        QAccessibleInterface* button = Find(name);
        auto* pressed = button ? qobject_cast<QAbstractButton*>(button->object()) : nullptr;
        QVERIFY2(pressed && button->actionInterface(), qPrintable(name));
        // The press shows the button down for a moment, then clicks it.
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(!pressed->isDown());
    }
    void Transfer(int row) const
    {
        Window().MainScreen.StringGridResult->SetRow(row);
        Press(English(keys::TransferToQuotation));
    }

    // The item rows as "designation|quantity|unit price|total|currency" after their positions 1, 2, ...
    QStringList Items() const
    {
        const StringGrid& grid = *Quote().StringGridItems;
        QStringList rows;
        for (int row = 1; row < grid.RowCount() - 1; ++row) {
            if (grid.Cell(1, row) != QString::number(row))
                return {QStringLiteral("position %1 in row %2").arg(grid.Cell(1, row)).arg(row)};
            rows << QStringList{grid.Cell(2, row), grid.Cell(3, row), grid.Cell(4, row), grid.Cell(5, row),
                                grid.Cell(6, row)}.join(u'|');
        }
        return grid.Cell(2, grid.RowCount() - 1).isEmpty() ? rows : QStringList{QStringLiteral("no empty last row")};
    }
    // The item row a cooler of the Calculation grid gives, with its price list entry.
    QString ItemOf(int resultRow, int quantity) const
    {
        const tCoolType& cooler = *State().CalculationResults.ResultAt(resultRow);
        const PriceLookup price = LookUpPrice(State().PriceRecords, cooler.ItemNo());
        const QString unit = QString::number(static_cast<double>(price.Price), 'f', 2);
        return QStringList{QString::fromStdString(cooler.Designation()), QString::number(quantity), unit,
                           QString::number(quantity * unit.toDouble(), 'f', 2), QString::fromStdString(price.Currency)}
            .join(u'|');
    }

    RecordingAnswerer Answerer;

private:
    RunningProgram program_;
};

// The screen rectangle of a cell of the items grid.
QRect ScreenRect(const StringGrid& grid, int col, int row)
{
    return QRect(grid.mapToGlobal(grid.CellRect(col, row).topLeft()), grid.CellRect(col, row).size());
}

}  // namespace

class QuotationTabTest : public QObject {
    Q_OBJECT

private slots:
    void TransferredCoolersCountUpAndTheRowButtonsChangeThem_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("760") << 760;
        QTest::newRow("984") << 984;
    }
    void TransferredCoolersCountUpAndTheRowButtonsChangeThem()
    {
        QFETCH(int, width);
        Screen screen(width);
        screen.Search("10", "80", screen.Window().Calc.RadioButtonACDC);
        QVERIFY(screen.State().CalculationResults.ResultRowCount() >= 3);
        for (int row : {1, 1, 2})
            screen.Transfer(row);
        QCOMPARE(screen.Items(), (QStringList{screen.ItemOf(1, 2), screen.ItemOf(2, 1)}));
        screen.Transfer(3);

        // On the quotation, the current row's buttons stand over its cells.
        screen.Window().MenuQuotationClick();
        const QString folder = qEnvironmentVariable("KR_SCREENSHOT_DIR");
        if (!folder.isEmpty()) {
            QTest::qWait(500);
            QVERIFY(screen.Window().grab().save(QDir(folder).filePath(QStringLiteral("quotation-%1.png").arg(width))));
        }
        const StringGrid& grid = *screen.Quote().StringGridItems;
        QCOMPARE(grid.Row(), 1);
        QTRY_VERIFY(grid.isVisible() && !grid.horizontalScrollBar()->isVisible());  // every column shows whole
        const auto standsAt = [&](const TextKey& name, int col, int row) {
            QAccessibleInterface* button = screen.Find(English(name));
            return button && ScreenRect(grid, col, row).contains(button->rect());
        };
        const QRect quantityCell = ScreenRect(grid, 3, 1);
        // At the cell's right end, beside its grid line.
        QVERIFY(quantityCell.right() - screen.Find(English(keys::IncreaseQuantity))->rect().right() <= 1);
        for (const TextKey& name : {keys::IncreaseQuantity, keys::DecreaseQuantity})
            QVERIFY(standsAt(name, 3, 1));
        QVERIFY(standsAt(keys::HintDeleteLine, 0, 1));

        screen.Press(English(keys::IncreaseQuantity));
        for (int press = 0; press < 3; ++press)
            screen.Press(English(keys::DecreaseQuantity));
        QCOMPARE(screen.Answerer.Beeps.size(), 1u);  // never below 1
        QCOMPARE(screen.Items(), (QStringList{screen.ItemOf(1, 1), screen.ItemOf(2, 1), screen.ItemOf(3, 1)}));

        // Deleting row 2 of 3 renumbers; the buttons stay with the row.
        screen.Window().Quotation->Controls.StringGridItems->SetRow(2);
        QVERIFY(standsAt(keys::HintDeleteLine, 0, 2));
        screen.Press(English(keys::HintDeleteLine));
        QCOMPARE(screen.Items(), (QStringList{screen.ItemOf(1, 1), screen.ItemOf(3, 1)}));
        QVERIFY(standsAt(keys::IncreaseQuantity, 3, 2));
        // Never on the empty last row.
        screen.Window().Quotation->Controls.StringGridItems->SetRow(3);
        QVERIFY(!screen.Find(English(keys::HintDeleteLine)) && !screen.Find(English(keys::IncreaseQuantity)));
    }

    void ResetEmptiesTheItemsAndRenewsTheTerms()
    {
        Screen screen(760);
        const QuotationTabControls& q = screen.Quote();
        screen.Search("10", "80", screen.Window().Calc.RadioButtonACDC);
        screen.Transfer(1);
        screen.Window().MenuQuotationClick();
        q.EditYourRef->setText(QStringLiteral("order 17"));
        q.MemoNameAddress->setPlainText(QStringLiteral("Jensen Hydraulik"));
        q.EditDate->setText(QStringLiteral("1.1.2000"));
        screen.State().Settings.LeadTime = "6 weeks";
        screen.State().Settings.Payment = "net 30";
        screen.Press(English(keys::Reset));
        QCOMPARE(screen.Items(), QStringList());
        QCOMPARE(q.StringGridItems->RowCount(), 2);
        QCOMPARE(q.EditLeadTime->text(), QStringLiteral("6 weeks"));
        QCOMPARE(q.EditPayment->text(), QStringLiteral("net 30"));
        QCOMPARE(q.EditYourRef->text(), QString());
        QCOMPARE(q.MemoNameAddress->toPlainText(), English(keys::NameAndAddressOfReceiver));
        QCOMPARE(q.EditDate->text(), QDate::currentDate().toString(screen.State().DateFormat));
    }

    void EveryKindOfRowTransfersItsDesignation()
    {
        Screen screen(984);
        const CalcTabControls& c = screen.Window().Calc;
        screen.Search("10", "80", c.RadioButtonHydralic);
        // The motor shown in the row is the one transferred.
        screen.Window().MainScreen.StringGridResult->SetRow(1);
        screen.Press(English(keys::NextMotor));
        const std::string hydraulic = screen.State().CalculationResults.ResultAt(1)->Designation();
        QVERIFY(hydraulic != screen.State().CalculationResults.HydraulicGroups()[0][0].Designation());
        screen.Transfer(1);
        screen.Search("5", "", c.RadioButtonKRC);
        const std::string krc = screen.State().CalculationResults.ResultAt(1)->Designation();
        screen.Transfer(1);

        screen.Window().MenuKnownClick();
        const KnownTabControls& k = screen.Window().Known;
        k.ComboBoxSelectCooler->setCurrentIndex(k.ComboBoxSelectCooler->findText(QStringLiteral("KR 30")));
        k.RadioButtonACDC1->setChecked(true);
        k.ComboBoxACDC1->setCurrentIndex(0);
        k.EditOilFlow1->setText(QStringLiteral("80"));
        k.EditAmbientTemp1->setText(QStringLiteral("30"));
        k.EditInletTemp1->setText(QStringLiteral("60"));
        screen.Press(English(keys::Search));
        const std::string known = screen.State().KnownCoolerResults.ResultAt(1)->Designation();
        screen.Window().MainScreen.StringGridResult1->SetRow(1);
        screen.Press(English(keys::TransferToQuotation));

        QStringList designations;
        for (const QString& item : screen.Items())
            designations << item.section(u'|', 0, 0);
        QCOMPARE(designations, (QStringList{QString::fromStdString(hydraulic), QString::fromStdString(krc),
                                            QString::fromStdString(known)}));
    }
};

}  // namespace kr::gui::test

QTEST_MAIN(kr::gui::test::QuotationTabTest)
#include "quotation_tab_test.moc"
