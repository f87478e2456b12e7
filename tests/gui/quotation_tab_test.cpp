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
    explicit Screen(int width) : program_({Dword("Showmenu", 0), Dword("Width", static_cast<std::uint32_t>(width))})
    {
        program_.Window().show();
    }
    TFormStartmenu& Window() const { return program_.Window(); }
    AppState& State() const { return program_.State(); }
    const QuotationTabControls& Quote() const { return Window().Quotation->Controls; }

    // A duty on the Calculation tab at 30 and 60 degrees, searched.
    void Search(const char* heat, const char* flow, QRadioButton* drive) const
    {
        const CalcTabControls& c = Window().Calc;
        c.EditHeatReject->setText(QString::fromLatin1(heat));
        c.EditAmbientTemp->setText(QStringLiteral("30"));
        c.EditInletTemp->setText(QStringLiteral("60"));
        drive->setChecked(true);
        c.EditOilFlow->setText(QString::fromLatin1(flow));
        Press(keys::Search);
    }

    // The visible control a screen reader finds by its name; null if none.
    QAccessibleInterface* Find(const TextKey& name) const
    {
        std::function<QAccessibleInterface*(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            QAccessibleInterface* found = nullptr;
            if (node && !node->state().invisible)
                found = node->text(QAccessible::Name) == English(name) ? node : nullptr;
            for (int i = 0; found == nullptr && node && !node->state().invisible && i < node->childCount(); ++i)
                found = walk(node->child(i));
            return found;
        };
        return walk(QAccessible::queryAccessibleInterface(&Window()));
    }
    void Press(const TextKey& name) const
    {
        QAccessibleInterface* button = Find(name);
        auto* pressed = button ? qobject_cast<QAbstractButton*>(button->object()) : nullptr;
        QVERIFY2(pressed && button->actionInterface(), name.Key.data());
        // The press shows the button down for a moment, then clicks it.
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(!pressed->isDown());
    }
    void Transfer(StringGrid* results, int row) const
    {
        results->SetRow(row);
        Press(keys::TransferToQuotation);
    }

    // The item rows as "position|designation|quantity|unit price|total|currency".
    QStringList Items() const
    {
        const StringGrid& grid = *Quote().StringGridItems;
        QStringList rows;
        for (int row = 1; row < grid.RowCount() - 1; ++row) {
            QStringList cells;
            for (int col = 1; col < grid.ColCount(); ++col)
                cells << grid.Cell(col, row);
            rows << cells.join(u'|');
        }
        return rows;
    }
    // The item row a cooler of the Calculation grid gives, from its price list entry.
    QString ItemOf(int position, int resultRow, int quantity) const
    {
        const tCoolType& cooler = *State().CalculationResults.ResultAt(resultRow);
        const PriceLookup price = LookUpPrice(State().PriceRecords, cooler.ItemNo());
        const QString unit = QString::number(static_cast<double>(price.Price), 'f', 2);
        return QStringList{QString::number(position), QString::fromStdString(cooler.Designation()),
                           QString::number(quantity), unit, QString::number(quantity * unit.toDouble(), 'f', 2),
                           QString::fromStdString(price.Currency)}
            .join(u'|');
    }
    // Whether a button a screen reader finds stands inside a cell of the items grid.
    bool StandsAt(const TextKey& name, int col, int row) const
    {
        const StringGrid& grid = *Quote().StringGridItems;
        const QRect cell(grid.mapToGlobal(grid.CellRect(col, row).topLeft()), grid.CellRect(col, row).size());
        return Find(name) && cell.contains(Find(name)->rect()) && cell.right() - Find(name)->rect().right() <= 1;
    }

    RecordingAnswerer Answerer;

private:
    RunningProgram program_;
};

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
        StringGrid* results = screen.Window().MainScreen.StringGridResult;
        screen.Search("10", "80", screen.Window().Calc.RadioButtonACDC);
        QVERIFY(screen.State().CalculationResults.ResultRowCount() >= 3);
        for (int row : {1, 1, 2})
            screen.Transfer(results, row);
        QCOMPARE(screen.Items(), (QStringList{screen.ItemOf(1, 1, 2), screen.ItemOf(2, 2, 1)}));
        screen.Transfer(results, 3);

        // On the quotation, the current row's buttons stand at the right
        // end of its quantity cell and in its fixed cell.
        screen.Window().MenuQuotationClick();
        const QString folder = qEnvironmentVariable("KR_SCREENSHOT_DIR");
        if (!folder.isEmpty()) {
            QTest::qWait(500);
            QVERIFY(screen.Window().grab().save(QDir(folder).filePath(QStringLiteral("quotation-%1.png").arg(width))));
        }
        StringGrid& grid = *screen.Quote().StringGridItems;
        QTRY_VERIFY(grid.isVisible() && !grid.horizontalScrollBar()->isVisible());  // every column shows whole
        QCOMPARE(grid.Row(), 1);
        QVERIFY(screen.StandsAt(keys::IncreaseQuantity, 3, 1) && screen.StandsAt(keys::DecreaseQuantity, 3, 1));
        QVERIFY(screen.StandsAt(keys::HintDeleteLine, 0, 1));

        screen.Press(keys::IncreaseQuantity);
        for (int press = 0; press < 3; ++press)
            screen.Press(keys::DecreaseQuantity);
        QCOMPARE(screen.Answerer.Beeps.size(), 1u);  // never below 1
        QCOMPARE(screen.Items().first(), screen.ItemOf(1, 1, 1));

        // Deleting row 2 of 3 renumbers; the buttons stay with the row, never on the empty last one.
        grid.SetRow(2);
        screen.Press(keys::HintDeleteLine);
        QCOMPARE(screen.Items(), (QStringList{screen.ItemOf(1, 1, 1), screen.ItemOf(2, 3, 1)}));
        QVERIFY(screen.StandsAt(keys::IncreaseQuantity, 3, 2));
        grid.SetRow(3);
        QVERIFY(!screen.Find(keys::HintDeleteLine) && !screen.Find(keys::IncreaseQuantity));

        // Reset empties the items and the user's fields and shows the terms set now.
        const QuotationTabControls& q = screen.Quote();
        q.EditYourRef->setText(QStringLiteral("order 17"));
        q.MemoNameAddress->setPlainText(QStringLiteral("Jensen Hydraulik"));
        q.EditDate->setText(QStringLiteral("1.1.2000"));
        screen.State().Settings.LeadTime = "6 weeks";
        screen.Press(keys::Reset);
        QCOMPARE(screen.Items(), QStringList());
        QCOMPARE(grid.RowCount(), 2);
        QCOMPARE(q.EditLeadTime->text(), QStringLiteral("6 weeks"));
        QCOMPARE(q.EditYourRef->text() + q.MemoNameAddress->toPlainText(), English(keys::NameAndAddressOfReceiver));
        QCOMPARE(q.EditDate->text(), QDate::currentDate().toString(screen.State().DateFormat));
    }

    void EveryKindOfRowTransfersItsDesignation()
    {
        Screen screen(984);
        const AppState& state = screen.State();
        const CalcTabControls& c = screen.Window().Calc;
        const MainScreenControls& m = screen.Window().MainScreen;
        screen.Search("10", "80", c.RadioButtonHydralic);
        // The motor the row shows is the one transferred.
        m.StringGridResult->SetRow(1);
        screen.Press(keys::NextMotor);
        const std::string hydraulic = state.CalculationResults.ResultAt(1)->Designation();
        QVERIFY(hydraulic != state.CalculationResults.HydraulicGroups()[0][0].Designation());
        screen.Transfer(m.StringGridResult, 1);
        screen.Search("5", "", c.RadioButtonKRC);
        const std::string krc = state.CalculationResults.ResultAt(1)->Designation();
        screen.Transfer(m.StringGridResult, 1);

        screen.Window().MenuKnownClick();
        const KnownTabControls& k = screen.Window().Known;
        k.ComboBoxSelectCooler->setCurrentIndex(k.ComboBoxSelectCooler->findText(QStringLiteral("KR 30")));
        k.RadioButtonACDC1->setChecked(true);
        k.ComboBoxACDC1->setCurrentIndex(0);
        for (auto [edit, value] : {std::pair{k.EditOilFlow1, "80"}, {k.EditAmbientTemp1, "30"}, {k.EditInletTemp1, "60"}})
            edit->setText(QString::fromLatin1(value));
        screen.Press(keys::Search);
        screen.Transfer(m.StringGridResult1, 1);

        QStringList designations;
        for (const QString& item : screen.Items())
            designations << item.section(u'|', 1, 1);
        QCOMPARE(designations, (QStringList{QString::fromStdString(hydraulic), QString::fromStdString(krc),
                                            QString::fromStdString(state.KnownCoolerResults.ResultAt(1)->Designation())}));
    }
};

}  // namespace kr::gui::test

QTEST_MAIN(kr::gui::test::QuotationTabTest)
#include "quotation_tab_test.moc"
