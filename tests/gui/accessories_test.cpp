// The accessories dialog on the sample database.
#include "core/data/text_keys.h"
#include "gui/quote/form_accessories.h"
#include "gui/widgets/color_button.h"
#include "support/modal.h"
#include "support/recording_answerer.h"
#include "support/running_program.h"

#include <QAccessible>
#include <QGroupBox>
#include <QListWidget>
#include <QtTest>

namespace kr::gui::test {

namespace {

using Requests = std::vector<QuotationItemRequest>;

// The dialog's title and the kind words of one language.
struct Words {
    QString Title, Switch, Bypass, Adapter;
};

QStringList Texts(const QListWidget& list)
{
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        texts << list.item(row)->text();
    return texts;
}

// What a screen reader learns of an entry: whether it can be ticked, and is.
QAccessible::State AccessibleState(QListWidget& list, int row)
{
    return QAccessible::queryAccessibleInterface(&list)->child(row)->state();
}

// As the window system delivers it: a click, then the second press as a double click.
void DoubleClick(QListWidget& list, int row)
{
    const QPoint onText = list.visualItemRect(list.item(row)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, onText);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, onText);
}

// Checks the lists, ticks a thermo-switch, a thermo-bypass and an adapter
// with double clicks and presses Enter.
void CheckTickAndTransfer(TFormAccessories& dialog, const QWidget& owner, const Words& words)
{
    QCOMPARE(dialog.windowTitle(), words.Title);
    // As wide as the longest entries need, never narrower than 414.
    QCOMPARE(dialog.height(), 265);
    QVERIFY(dialog.width() >= 414);
    QCOMPARE(dialog.pos(),
             QPoint(owner.x() + (owner.width() - dialog.width()) / 2, owner.y() + (owner.height() - 265) / 2));
    for (const QListWidget* list : {dialog.CheckListBoxTermokontakt, dialog.CheckListBoxTermoBypass, dialog.CheckListBoxAdapter})
        QVERIFY2(list->sizeHintForColumn(0) <= list->viewport()->width(), qPrintable(list->objectName()));
    QCOMPARE(dialog.GroupBoxTermokontakt->title(), words.Switch);
    QCOMPARE(dialog.CheckListBoxAdapter->accessibleName(), words.Adapter);
    // Sorted by text ignoring case, the kind word appended.
    const QString tk = QStringLiteral("TK %1°C, %2 contact ") + words.Switch;
    QCOMPARE(Texts(*dialog.CheckListBoxTermokontakt),
             QStringList({tk.arg(50).arg("NC"), tk.arg(60).arg("NC"), tk.arg(60).arg("NO"), tk.arg(70).arg("NC"),
                          tk.arg(80).arg("NO")}));
    QCOMPARE(dialog.CheckListBoxTermoBypass->count(), 9);
    QCOMPARE(dialog.CheckListBoxTermoBypass->item(8)->text(), "TB 3/4\" 50°C " + words.Bypass);
    QCOMPARE(dialog.CheckListBoxAdapter->count(), 9);
    QCOMPARE(dialog.CheckListBoxAdapter->item(0)->text(), "AD G 1 1/2\" - DN 40 flange " + words.Adapter);

    QListWidget& switches = *dialog.CheckListBoxTermokontakt;
    QVERIFY(AccessibleState(switches, 3).checkable);
    QVERIFY(!AccessibleState(switches, 3).checked);
    DoubleClick(switches, 3);
    QVERIFY(AccessibleState(switches, 3).checked);
    DoubleClick(switches, 3);
    QVERIFY(!AccessibleState(switches, 3).checked);
    DoubleClick(switches, 1);
    DoubleClick(*dialog.CheckListBoxTermoBypass, 8);
    DoubleClick(*dialog.CheckListBoxAdapter, 0);
    QVERIFY(AccessibleState(*dialog.CheckListBoxAdapter, 0).checked);
    QTest::keyClick(&switches, Qt::Key_Return);
}

}  // namespace

class AccessoriesTest : public QObject {
    Q_OBJECT

private slots:
    void DoubleClicksTickAndEnterTransfersInQuotationOrder_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("words");  // title, then the kind words
        QTest::newRow("English") << "English" << QStringList{"Accessories", "Thermo-switch", "Thermo-bypass", "Adapters"};
        QTest::newRow("German") << "Deutsch" << QStringList{"Zubehör", "Thermoschalter", "Thermo-Bypass", "Adapter"};
    }

    void DoubleClicksTickAndEnterTransfersInQuotationOrder()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, words);
        const Words w{words[0], words[1], words[2], words[3]};
        RecordingAnswerer answerer;
        RunningProgram program({Dword("Showmenu", 0), String("Language", language.toStdString())});
        TFormStartmenu& window = program.Window();
        window.show();
        bool seen = false;
        WhenDialogShown<TFormAccessories>([&](TFormAccessories& dialog) {
            seen = true;
            CheckTickAndTransfer(dialog, window, w);
            if (dialog.isVisible())
                dialog.reject();  // a check failed before Enter
        });
        const Requests chosen = RunAccessories(&window, program.State());
        QVERIFY(seen);
        const auto item = [](const QString& text, const char* priceKey) {
            return QuotationItemRequest{text.toStdString(), priceKey};
        };
        QCOMPARE(chosen, (Requests{item("AD G 1 1/2\" - DN 40 flange " + w.Adapter, "AD-DN-040"),
                                   item("TK 60°C, NC contact " + w.Switch, "TK-060-NC"),
                                   item("TB 3/4\" 50°C " + w.Bypass, "TB-075-50")}));
    }

    void EndingOtherwiseTransfersNothing_data()
    {
        QTest::addColumn<int>("ending");
        QTest::newRow("Close button") << 0;
        QTest::newRow("Escape key") << 1;
        QTest::newRow("close box") << 2;
    }

    void EndingOtherwiseTransfersNothing()
    {
        QFETCH(int, ending);
        RecordingAnswerer answerer;
        RunningProgram program({Dword("Showmenu", 0)});
        WhenDialogShown<TFormAccessories>([&](TFormAccessories& dialog) {
            QCOMPARE(dialog.zBitColBtnClose->accessibleName(), QStringLiteral("Close"));
            DoubleClick(*dialog.CheckListBoxAdapter, 2);
            QVERIFY(dialog.CheckListBoxAdapter->item(2)->checkState() == Qt::Checked);
            if (ending == 0)
                QTest::mouseClick(dialog.zBitColBtnClose, Qt::LeftButton);
            else if (ending == 1)
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else
                dialog.close();
        });
        QVERIFY(RunAccessories(&program.Window(), program.State()).empty());
    }
};

}  // namespace kr::gui::test

QTEST_MAIN(kr::gui::test::AccessoriesTest)
#include "accessories_test.moc"
