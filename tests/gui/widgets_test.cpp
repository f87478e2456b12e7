// The widget set: caption fitting, the language picker, the grid and the
// pages with tabs of equal width.
#include "gui/widgets/app_style.h"
#include "gui/widgets/caption_fitting.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/language_picker.h"
#include "gui/widgets/page_control.h"
#include "gui/widgets/string_grid.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

namespace kr::gui::test {

namespace {

QString WriteFlag(const QTemporaryDir& dir, const QString& name, QSize size)
{
    QImage flag(size, QImage::Format_RGB32);
    flag.fill(Qt::red);
    const QString file = dir.filePath(name);
    flag.save(file, "BMP");
    return file;
}

}  // namespace

class WidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void CaptionThatFitsOnlyInRegularTypeWrapsWithTheFocus()
    {
        const QFont font = ProgramFont();
        const QString caption = QStringLiteral("Transfer to quotation");
        QFont bold = font;
        bold.setBold(true);
        const int regular = QFontMetrics(font).horizontalAdvance(caption);
        QVERIFY(QFontMetrics(bold).horizontalAdvance(caption) > regular);

        QWidget window;
        auto* button = new ColorButton(&window, Glyph::ArrowRight);
        button->setText(caption);
        button->setGeometry(0, 0, regular + 10 + button->GlyphWidth(), 30);
        auto* other = new ColorButton(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QVERIFY(CaptionFitsOnOneLine(font, false, caption, button->width(), button->GlyphWidth()));
        QVERIFY(!CaptionFitsOnOneLine(font, true, caption, button->width(), button->GlyphWidth()));
        QVERIFY(!CaptionFitsOnOneLine(font, false, caption, button->width() - 1, button->GlyphWidth()));

        other->setFocus();
        FitButtonCaption(*button, font);
        QVERIFY(!button->WordWrap());
        button->setFocus();
        FitButtonCaption(*button, font);
        QVERIFY(button->WordWrap());
        button->setFocus(Qt::OtherFocusReason);
        button->setDefault(true);
        other->setFocus();
        FitButtonCaption(*button, font);
        QVERIFY(button->WordWrap());  // a default button is measured bold too
    }

    void FlagGetsABlackFrame()
    {
        QTemporaryDir dir;
        const QPixmap flag = LanguagePicker::LoadFlag(WriteFlag(dir, QStringLiteral("f.bmp"), QSize(20, 14)));
        QCOMPARE(flag.size(), QSize(20, 14));
        const QImage image = flag.toImage();
        for (QPoint edge : {QPoint(0, 0), QPoint(19, 0), QPoint(0, 13), QPoint(19, 13), QPoint(10, 0), QPoint(0, 7)})
            QCOMPARE(image.pixelColor(edge), QColor(Qt::black));
        QCOMPARE(image.pixelColor(10, 7), QColor(Qt::red));

        QFile notABitmap(dir.filePath(QStringLiteral("x.bmp")));
        QVERIFY(notABitmap.open(QIODevice::WriteOnly));
        notABitmap.write("no picture");
        notABitmap.close();
        QVERIFY(LanguagePicker::LoadFlag(notABitmap.fileName()).isNull());
        QVERIFY(LanguagePicker::LoadFlag(dir.filePath(QStringLiteral("missing.bmp"))).isNull());
    }

    void PickerItemsAsHighAsTheTallestFlag()
    {
        QTemporaryDir dir;
        WriteFlag(dir, QStringLiteral("small.bmp"), QSize(16, 10));
        WriteFlag(dir, QStringLiteral("tall.bmp"), QSize(24, 22));
        LanguageList languages;
        languages.push_back({"A", LanguageTable({"LANGUAGE=Alpha", "FLAG=small.bmp"}), {}});
        languages.push_back({"B", LanguageTable({"LANGUAGE=Beta", "FLAG=tall.bmp"}), {}});
        languages.push_back({"C", LanguageTable({"LANGUAGE=Gamma"}), {}});
        LanguagePicker picker;
        picker.Fill(languages, dir.path() + QStringLiteral("/"));
        QCOMPARE(picker.count(), 3);
        QCOMPARE(picker.itemText(1), QStringLiteral("Beta"));
        QCOMPARE(picker.ItemHeight(), 22);
        QVERIFY(picker.Flag(2).isNull());
        const QRect item(0, 40, 200, 22);
        QCOMPARE(LanguagePicker::FlagPosition(item), QPoint(2, 41));
        QCOMPARE(LanguagePicker::TextLeft(item, picker.Flag(1)), 24 + 6);
        QCOMPARE(LanguagePicker::TextLeft(item, picker.Flag(2)), 2);

        languages.resize(1);
        picker.Fill(languages, dir.path() + QStringLiteral("/"));
        QCOMPARE(picker.ItemHeight(), LanguagePicker::MinItemHeight);  // never below 16

        // Flags named outside the program folder show no flag, though they exist.
        const QString appDir = dir.filePath(QStringLiteral("app/"));
        QVERIFY(QDir().mkpath(appDir));
        WriteFlag(dir, QStringLiteral("app/inside.bmp"), QSize(20, 14));
        languages.clear();
        for (const QString& flag : {QStringLiteral("inside.bmp"), QStringLiteral("../tall.bmp"),
                                    dir.filePath(QStringLiteral("tall.bmp")), QStringLiteral("./inside.bmp")})
            languages.push_back({"A", LanguageTable({"LANGUAGE=A", "FLAG=" + flag.toStdString()}), {}});
        picker.Fill(languages, appDir);
        QVERIFY(!picker.Flag(0).isNull());
        for (int refused = 1; refused < picker.count(); ++refused)
            QVERIFY2(picker.Flag(refused).isNull(), qPrintable(QString::number(refused)));
    }

    void GridCellsCountTheHeadingRowAndFixedColumn()
    {
        StringGrid grid;
        grid.SetColCount(4);
        grid.SetRowCount(3);
        QCOMPARE(grid.columnCount(), 3);
        QCOMPARE(grid.rowCount(), 2);
        grid.SetCell(1, 0, QStringLiteral("heading"));
        grid.SetCell(0, 2, QStringLiteral("2"));
        grid.SetCell(3, 1, QStringLiteral("cell"));
        grid.SetCell(0, 0, QStringLiteral("corner"));
        QCOMPARE(grid.Cell(1, 0), QStringLiteral("heading"));
        QCOMPARE(grid.Cell(0, 2), QStringLiteral("2"));
        QCOMPARE(grid.Cell(3, 1), QStringLiteral("cell"));
        QCOMPARE(grid.Cell(0, 0), QString());
        QCOMPARE(grid.Cell(0, 1), QString());  // no row numbers of its own
        grid.SetColWidth(0, 25);
        grid.SetColWidth(2, 90);
        QCOMPARE(grid.ColWidth(0), 25);
        QCOMPARE(grid.ColWidth(2), 90);
        grid.ClearCells();
        QCOMPARE(grid.Cell(3, 1), QString());
        QCOMPARE(grid.Cell(1, 0), QString());
    }

    void HeadingWidgetCoversItsCellLessOnePixel()
    {
        // Beside the grid, where screen readers find it: a table's
        // accessibility lists only its cells.
        QWidget panel;
        auto* grid = new StringGrid(&panel);
        grid->setGeometry(10, 20, 400, 120);
        grid->SetColCount(3);
        grid->SetRowCount(2);
        grid->SetHeadingRowHeight(30);
        grid->SetColWidth(0, 25);
        grid->SetColWidth(1, 100);
        grid->SetColWidth(2, 80);
        auto* button = new ColorButton();
        button->setAccessibleName(QStringLiteral("Sort"));
        grid->SetHeadingWidget(2, button);
        panel.resize(500, 200);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QCOMPARE(button->parentWidget(), &panel);
        const auto coversCell = [&] {
            const QRect cell = grid->CellRect(2, 0);
            return button->geometry() == QRect(grid->mapTo(&panel, cell.topLeft() + QPoint(1, 1)), cell.size() - QSize(2, 2));
        };
        QCOMPARE(grid->CellRect(2, 0).size(), QSize(80, 30));
        QVERIFY(coversCell());
        QVERIFY(button->mask().isEmpty());
        QAccessibleInterface* panelAccess = QAccessible::queryAccessibleInterface(&panel);
        QVERIFY(panelAccess->indexOfChild(QAccessible::queryAccessibleInterface(button)) >= 0);

        grid->SetColWidth(1, 150);
        grid->move(30, 25);
        QVERIFY(coversCell());
        // Cut where the heading row ends.
        grid->SetColWidth(1, 330);
        QVERIFY(!button->isHidden());
        QVERIFY(!button->mask().isEmpty());
        QVERIFY(button->mask().boundingRect().width() < button->width());
        grid->hide();
        QVERIFY(button->isHidden());
        grid->show();
        QVERIFY(!button->isHidden());
        grid->SetColCount(2);
        QVERIFY(button->isHidden());  // its column is gone
    }

    void TabsOfEqualFixedWidth()
    {
        PageControl pages;
        for (const char* title : {"Calculation", "Known cooler", "A much longer title than fits"})
            pages.addTab(new QWidget, QString::fromLatin1(title));
        pages.resize(434, 241);
        pages.SetTabWidth((434 - 6) / 3);
        pages.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pages));
        for (int i = 0; i < pages.count(); ++i)
            QCOMPARE(pages.tabBar()->tabRect(i).width(), 142);
    }
};

}  // namespace kr::gui::test

QTEST_MAIN(kr::gui::test::WidgetsTest)
#include "widgets_test.moc"
