// Saving the quotation through File -> Save quotation and opening it again
// on the real window: what comes back, what is refused, what is marked.
#include "core/data/text_keys.h"
#include "gui/app/form_startmenu.h"
#include "gui/quote/form_accessories.h"
#include "gui/quote/quotation_tab.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/page_control.h"
#include "gui/widgets/string_grid.h"
#include "support/modal.h"
#include "support/recording_answerer.h"
#include "support/running_program.h"

#include <QAction>
#include <QAccessible>
#include <QFileDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

namespace kr::gui::test {
namespace {

QString English(const TextKey& key)
{
    return QString::fromStdString(DistText(QStringLiteral("English.SPROG"), key.Key));
}

class QuotingProgram {
public:
    QuotingProgram() : program_({Dword("Showmenu", 0), Dword("Width", 984), Dword("PricePct", 10)})
    {
        program_.Window().show();
    }
    TFormStartmenu& Window() const { return program_.Window(); }
    QuotationTab& Tab() const { return *Window().Quotation; }
    const QuotationTabControls& Quote() const { return Tab().Controls; }
    QString File(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    // Answers the menu item's file dialog with a file of the test folder;
    // returns the name the dialog proposed and the folder it started in.
    QStringList Choose(QAction* item, const QString& file) const
    {
        QStringList proposed;
        WhenDialogShown<QFileDialog>([&](QFileDialog& dialog) {
            proposed << QFileInfo(dialog.selectedFiles().value(0)).fileName() << dialog.directory().absolutePath();
            dialog.selectFile(file);
            static_cast<QDialog&>(dialog).accept();
        });
        item->trigger();
        return proposed;
    }
    void Open(const QString& file) const { Choose(Window().Menus.MenuOpenQuotation, file); }

    // The item rows as "designation|quantity|unit price|total|currency", and
    // the header fields, as the tab shows them.
    QStringList Shown() const
    {
        const StringGrid& grid = *Quote().StringGridItems;
        QStringList rows;
        for (int row = 1; row < grid.RowCount() - 1; ++row) {
            QStringList cells;
            for (int col = ItemColumn::Designation; col < grid.ColCount(); ++col)
                cells << grid.Cell(col, row);
            rows << cells.join(u'|');
        }
        const QuotationTabControls& q = Quote();
        for (const QLineEdit* edit : {q.EditAtt, q.EditYourRef, q.EditOurRef, q.EditDate, q.EditQuotationNr})
            rows << edit->text();
        return rows << q.MemoNameAddress->toPlainText();
    }
    // What a screen reader hears of an item's designation cell.
    QString Heard(int row) const
    {
        QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(Quote().StringGridItems);
        return grid->tableInterface()->cellAt(row - 1, ItemColumn::Designation - 1)->text(QAccessible::Name);
    }
    QString Title() const { return Window().windowTitle(); }

    RecordingAnswerer Answerer;

private:
    RunningProgram program_;
    QTemporaryDir dir_;
};

// A saved file with its JSON changed by edit.
void WriteChanged(const QString& from, const QString& to, const std::function<void(QJsonObject&)>& edit)
{
    QFile in(from);
    QVERIFY(in.open(QIODevice::ReadOnly));
    QJsonObject file = QJsonDocument::fromJson(in.readAll()).object();
    edit(file);
    QFile out(to);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(QJsonDocument(file).toJson());
}

}  // namespace

class QuotationFilesTest : public QObject {
    Q_OBJECT

private slots:
    void AQuotationSavedOpensAsOfferedAndABadFileChangesNothing()
    {
        QuotingProgram program;
        TFormStartmenu& window = program.Window();
        const MainMenus& m = window.Menus;
        QCOMPARE(m.MenuSaveQuotation->text(), English(keys::SaveQuotation) + QStringLiteral("\u2026"));
        QCOMPARE(m.MenuOpenQuotation->text(), English(keys::OpenQuotation) + QStringLiteral("\u2026"));

        // Two of the first cooler, one of the second, and an adapter.
        const CalcTabControls& c = window.Calc;
        c.EditHeatReject->setText(QStringLiteral("10"));
        c.EditAmbientTemp->setText(QStringLiteral("30"));
        c.EditInletTemp->setText(QStringLiteral("60"));
        c.RadioButtonACDC->setChecked(true);
        c.EditOilFlow->setText(QStringLiteral("80"));
        window.MainScreen.zBitColBtnSearch->click();
        for (int row : {1, 1, 2}) {
            window.MainScreen.StringGridResult->SetRow(row);
            window.MainScreen.zBitColBtnTransfer->click();
        }
        WhenDialogShown<TFormAccessories>([](TFormAccessories& dialog) {
            dialog.CheckListBoxAdapter->item(0)->setCheckState(Qt::Checked);
            dialog.zBitColBtnTransfer->click();
        });
        m.MenuAccessories->trigger();
        const QuotationTabControls& q = program.Quote();
        q.MemoNameAddress->setPlainText(QStringLiteral("Kühltechnik Süd GmbH\nHafenstr. 4"));
        q.EditAtt->setText(QStringLiteral("Mr Berg"));
        q.EditYourRef->setText(QStringLiteral("RFQ 118"));
        q.EditOurRef->setText(QStringLiteral("JS"));
        q.EditQuotationNr->setText(QStringLiteral("Q-17/3"));
        const QStringList offered = program.Shown();
        QCOMPARE(offered.size(), 3 + 6);
        QVERIFY(offered[0].contains(QStringLiteral("|2|")));

        const QString saved = program.File("Q-17_3.krq");
        QCOMPARE(program.Choose(m.MenuSaveQuotation, saved).value(0), QStringLiteral("Q-17_3.krq"));
        QCOMPARE(program.Title(), QStringLiteral("Q-17_3.krq \u2013 ") + English(keys::KrOilCoolers));

        // Reset forgets the file; another discount in the options does not
        // change the offer opened again, nor its print.
        window.MainScreen.zBitColBtnReset1->click();
        QCOMPARE(program.Title(), English(keys::KrOilCoolers));
        window.State().Settings.PricePct = 25;
        QCOMPARE(program.Tab().DiscountPct(), 25);
        window.MenuCalcClick();
        const QStringList opening = program.Choose(m.MenuOpenQuotation, saved);
        QCOMPARE(opening.value(1), QFileInfo(saved).absolutePath());  // where the last file went
        QCOMPARE(program.Shown(), offered);
        QCOMPARE(program.Tab().DiscountPct(), 10);
        QCOMPARE(window.MainScreen.PageControlCooise->currentWidget(), window.MainScreen.TabSheetOffer);
        QCOMPARE(program.Title(), QStringLiteral("Q-17_3.krq \u2013 ") + English(keys::KrOilCoolers));
        QVERIFY(program.Answerer.Requests.empty());  // nothing asked while the tab was empty

        // Files that are no quotation of this version are refused with the
        // reason, and the quotation shown stays.
        const QString future = program.File("future.krq");
        WriteChanged(saved, future, [](QJsonObject& file) { file[QStringLiteral("version")] = 999; });
        const QString other = program.File("other.krq");
        WriteChanged(saved, other, [](QJsonObject& file) { file[QStringLiteral("format")] = QStringLiteral("x"); });
        const QString damaged = program.File("damaged.krq");
        WriteChanged(saved, damaged, [](QJsonObject& file) { file.remove(QStringLiteral("items")); });
        // Each message names the file and what is wrong with it.
        for (auto [refused, why] : {std::pair{future, QStringLiteral("999")}, {other, QStringLiteral("format")},
                                    {damaged, QStringLiteral("items")}}) {
            program.Answerer.Requests.clear();
            program.Open(refused);
            QCOMPARE(program.Answerer.Requests.size(), 1u);
            QVERIFY(program.Answerer.Requests[0].Text.contains(refused) && program.Answerer.Requests[0].Text.contains(why));
            QCOMPARE(program.Answerer.Requests[0].Icon, QMessageBox::Critical);
            QCOMPARE(program.Shown(), offered);
            QCOMPARE(program.Title(), QStringLiteral("Q-17_3.krq \u2013 ") + English(keys::KrOilCoolers));
        }

        // An item the database no longer knows comes with its price, marked
        // and named, once the user agrees to replace the items shown.
        const QString gone = program.File("gone.krq");
        WriteChanged(saved, gone, [](QJsonObject& file) {
            QJsonArray items = file[QStringLiteral("items")].toArray();
            QJsonObject first = items[0].toObject();
            first[QStringLiteral("itemNo")] = QStringLiteral("KR-GONE");
            items[0] = first;
            file[QStringLiteral("items")] = items;
        });
        const QString designation = offered[0].section(u'|', 0, 0);
        for (QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
            program.Answerer.Requests.clear();
            program.Answerer.Answers = {answer};
            program.Open(gone);
            QCOMPARE(program.Answerer.Requests[0].Buttons, QMessageBox::Yes | QMessageBox::No);
            QCOMPARE(program.Shown(), offered);
            QCOMPARE(program.Title().startsWith(QStringLiteral("gone.krq")), answer == QMessageBox::Yes);
        }
        QCOMPARE(program.Answerer.Requests.size(), 2u);
        QVERIFY(program.Answerer.Requests[1].Text.contains(designation + QStringLiteral(" (KR-GONE)")));
        QCOMPARE(program.Heard(1), designation + QStringLiteral(" (") + English(keys::ItemNotKnown) + u')');
        QCOMPARE(program.Heard(2), offered[1].section(u'|', 0, 0));
        QVERIFY(q.StringGridItems->item(0, ItemColumn::Designation - 1)->font().italic());
    }
};

}  // namespace kr::gui::test

QTEST_MAIN(kr::gui::test::QuotationFilesTest)
#include "quotation_files_test.moc"
