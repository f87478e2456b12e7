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

#include <QAccessible>
#include <QAction>
#include <QDir>
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

// Answers the menu item's file dialog with file; returns the name the
// dialog proposed and the folder it started in.
QStringList Choose(QAction* item, const QString& file)
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

// The item rows from the designation on, then the header fields, as shown.
QStringList Shown(const QuotationTabControls& q)
{
    QStringList shown;
    for (int row = 1; row < q.StringGridItems->RowCount() - 1; ++row) {
        QStringList cells;
        for (int col = ItemColumn::Designation; col < ItemColumn::Count; ++col)
            cells << q.StringGridItems->Cell(col, row);
        shown << cells.join(u'|');
    }
    for (const QLineEdit* edit : {q.EditAtt, q.EditYourRef, q.EditOurRef, q.EditDate, q.EditQuotationNr})
        shown << edit->text();
    return shown << q.MemoNameAddress->toPlainText();
}

// A copy of a saved file with its JSON changed by edit.
QString Changed(const QString& saved, const char* name, const std::function<void(QJsonObject&)>& edit)
{
    QFile in(saved);
    in.open(QIODevice::ReadOnly);
    QJsonObject file = QJsonDocument::fromJson(in.readAll()).object();
    edit(file);
    QFile out(QFileInfo(saved).dir().filePath(QString::fromLatin1(name)));
    out.open(QIODevice::WriteOnly);
    out.write(QJsonDocument(file).toJson());
    return out.fileName();
}

}  // namespace

class QuotationFilesTest : public QObject {
    Q_OBJECT

private slots:
    void AQuotationSavedOpensAsOfferedAndABadFileChangesNothing()
    {
        RecordingAnswerer answerer;
        RunningProgram program({Dword("Showmenu", 0), Dword("Width", 984), Dword("PricePct", 10)});
        TFormStartmenu& window = program.Window();
        window.show();
        const MainMenus& m = window.Menus;
        const QuotationTabControls& q = window.Quotation->Controls;
        QCOMPARE(m.MenuSaveQuotation->text(), English(keys::SaveQuotation) + QStringLiteral("\u2026"));
        QCOMPARE(m.MenuOpenQuotation->text(), English(keys::OpenQuotation) + QStringLiteral("\u2026"));

        // Two of the first cooler, one of the second, and an adapter.
        const CalcTabControls& c = window.Calc;
        for (auto [edit, value] : {std::pair{c.EditHeatReject, "10"}, {c.EditOilFlow, "80"}, {c.EditAmbientTemp, "30"},
                                   {c.EditInletTemp, "60"}})
            edit->setText(QString::fromLatin1(value));
        c.RadioButtonACDC->setChecked(true);
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
        q.MemoNameAddress->setPlainText(QStringLiteral("Kühltechnik Süd GmbH\nHafenstr. 4"));
        for (auto [edit, value] : {std::pair{q.EditAtt, "Mr Berg"}, {q.EditOurRef, "JS"}, {q.EditQuotationNr, "Q-17/3"}})
            edit->setText(QString::fromLatin1(value));
        const QStringList offered = Shown(q);
        QCOMPARE(offered.size(), 3 + 6);
        QVERIFY(offered[0].contains(QStringLiteral("|2|")));

        QTemporaryDir dir;
        const QString saved = dir.filePath(QStringLiteral("Q-17_3.krq"));
        const QString titled = QStringLiteral("Q-17_3.krq \u2013 ") + English(keys::KrOilCoolers);
        QCOMPARE(Choose(m.MenuSaveQuotation, saved).value(0), QStringLiteral("Q-17_3.krq"));
        QCOMPARE(window.windowTitle(), titled);

        // Reset forgets the file; the options' discount of now does not
        // change the offer opened again.
        window.MainScreen.zBitColBtnReset1->click();
        QCOMPARE(window.windowTitle(), English(keys::KrOilCoolers));
        window.State().Settings.PricePct = 25;
        QCOMPARE(window.Quotation->DiscountPct(), 25);
        window.MenuCalcClick();
        QCOMPARE(Choose(m.MenuOpenQuotation, saved).value(1), dir.path());  // where the last file went
        QCOMPARE(Shown(q), offered);
        QCOMPARE(window.Quotation->DiscountPct(), 10);
        QCOMPARE(window.MainScreen.PageControlCooise->currentWidget(), window.MainScreen.TabSheetOffer);
        QCOMPARE(window.windowTitle(), titled);
        QVERIFY(answerer.Requests.empty());  // nothing asked while the tab was empty

        // Refused with a message naming the file and what is wrong; the quotation shown stays.
        const auto set = [](const char* member, QJsonValue value) {
            return [=](QJsonObject& file) { file[QString::fromLatin1(member)] = value; };
        };
        for (auto [refused, why] : {std::pair{Changed(saved, "future.krq", set("version", 999)), "999"},
                                    {Changed(saved, "other.krq", set("format", QStringLiteral("x"))), "format"},
                                    {Changed(saved, "damaged.krq", set("items", 1)), "items"}}) {
            answerer.Requests.clear();
            Choose(m.MenuOpenQuotation, refused);
            QCOMPARE(answerer.Requests.size(), 1u);
            QVERIFY(answerer.Requests[0].Text.contains(refused) && answerer.Requests[0].Text.contains(why));
            QCOMPARE(answerer.Requests[0].Icon, QMessageBox::Critical);
            QCOMPARE(Shown(q), offered);
            QCOMPARE(window.windowTitle(), titled);
        }

        // An item the database no longer knows keeps its price, marked and
        // named, once the user agrees to replace the items shown.
        const QString gone = Changed(saved, "gone.krq", [](QJsonObject& file) {
            QJsonArray items = file[QStringLiteral("items")].toArray();
            QJsonObject first = items[0].toObject();
            first[QStringLiteral("itemNo")] = QStringLiteral("KR-GONE");
            items[0] = first;
            file[QStringLiteral("items")] = items;
        });
        for (QMessageBox::StandardButton answer : {QMessageBox::No, QMessageBox::Yes}) {
            answerer.Requests.clear();
            answerer.Answers = {answer};
            Choose(m.MenuOpenQuotation, gone);
            QCOMPARE(answerer.Requests[0].Buttons, QMessageBox::Yes | QMessageBox::No);
            QCOMPARE(Shown(q), offered);
            QCOMPARE(window.windowTitle().startsWith(QStringLiteral("gone.krq")), answer == QMessageBox::Yes);
        }
        const QString designation = offered[0].section(u'|', 0, 0);
        QCOMPARE(answerer.Requests.size(), 2u);
        QVERIFY(answerer.Requests[1].Text.contains(designation + QStringLiteral(" (KR-GONE)")));
        QAccessibleTableInterface* grid = QAccessible::queryAccessibleInterface(q.StringGridItems)->tableInterface();
        const auto heard = [grid](int row) { return grid->cellAt(row, ItemColumn::Designation - 1)->text(QAccessible::Name); };
        QCOMPARE(heard(0), designation + QStringLiteral(" (") + English(keys::ItemNotKnown) + u')');
        QCOMPARE(heard(1), offered[1].section(u'|', 0, 0));
        QVERIFY(q.StringGridItems->item(0, ItemColumn::Designation - 1)->font().italic());
        const QString folder = qEnvironmentVariable("KR_SCREENSHOT_DIR");
        if (!folder.isEmpty())
            QVERIFY(window.grab().save(QDir(folder).filePath(QStringLiteral("opened-quotation.png"))));
    }
};

}  // namespace kr::gui::test

QTEST_MAIN(kr::gui::test::QuotationFilesTest)
#include "quotation_files_test.moc"
