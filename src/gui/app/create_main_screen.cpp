#include "gui/app/create_controls.h"

#include "gui/widgets/app_style.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/page_control.h"
#include "gui/widgets/panels.h"
#include "gui/widgets/spin_button.h"
#include "gui/widgets/string_grid.h"

namespace kr::gui {

namespace {

QWidget* MakeTabPage(PageControl* pages, const char* name)
{
    auto* page = new QWidget();
    page->setObjectName(QString::fromLatin1(name));
    pages->addTab(page, QString());
    return page;
}

ColorButton* MakeHidden(ColorButton* button)
{
    button->hide();
    return button;
}

// A result grid with its sort buttons laid over the heading cells.
StringGrid* MakeResultGrid(QWidget* panel, const char* name, SortButtons& sortButtons,
                           const std::array<const char*, SortColumns.size()>& sortNames)
{
    auto* grid = MakeControl<StringGrid>(panel, name);
    for (std::size_t i = 0; i < SortColumns.size(); ++i) {
        sortButtons[i] = MakeControl<ColorButton>(grid, sortNames[i], Glyph::None);
        sortButtons[i]->SetColor(look::HeadingFace);
        sortButtons[i]->SetWordWrap(true);
        sortButtons[i]->setFocusPolicy(Qt::NoFocus);
        sortButtons[i]->setProperty("tag", SortColumns[i]);
        grid->SetHeadingWidget(SortColumns[i], sortButtons[i]);
    }
    grid->hide();
    return grid;
}

}  // namespace

MainScreenControls CreateMainScreen(QWidget* page)
{
    MainScreenControls c;
    c.TabSheetMainScreen = page;

    c.PanelMain = MakeControl<BevelFrame>(page, "PanelMain", BevelFrame::Bevel::None);
    c.PanelChooise = MakeControl<QFrame>(c.PanelMain, "PanelChooise");
    c.PageControlCooise = MakeControl<PageControl>(c.PanelChooise, "PageControlCooise");
    c.TabSheetCalc = MakeTabPage(c.PageControlCooise, "TabSheetCalc");
    c.TabSheetKnown = MakeTabPage(c.PageControlCooise, "TabSheetKnown");
    c.TabSheetOffer = MakeTabPage(c.PageControlCooise, "TabSheetOffer");

    c.PanelButtons = MakeControl<GradientPanel>(c.PanelMain, "PanelButtons");
    c.PanelButtons->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    c.zBitColBtnSearch = MakeControl<ColorButton>(c.PanelButtons, "zBitColBtnSearch", Glyph::Search);
    c.zBitColBtnReset = MakeControl<ColorButton>(c.PanelButtons, "zBitColBtnReset", Glyph::Reset);
    c.zBitColBtnHelp = MakeControl<ColorButton>(c.PanelButtons, "zBitColBtnHelp", Glyph::Help);
    c.zBitColBtntilbehor = MakeHidden(MakeControl<ColorButton>(c.PanelButtons, "zBitColBtntilbehor", Glyph::Accessories));
    c.zBitColBtnPrint = MakeHidden(MakeControl<ColorButton>(c.PanelButtons, "zBitColBtnPrint", Glyph::Printer));
    c.zBitColBtnReset1 = MakeHidden(MakeControl<ColorButton>(c.PanelButtons, "zBitColBtnReset1", Glyph::Reset));
    c.zBitColBtnHelp1 = MakeHidden(MakeControl<ColorButton>(c.PanelButtons, "zBitColBtnHelp1", Glyph::Help));

    c.PanelResult = MakeControl<BevelFrame>(page, "PanelResult", BevelFrame::Bevel::None);
    c.PanelUnknown = MakeControl<QFrame>(c.PanelResult, "PanelUnknown");
    c.StringGridResult = MakeResultGrid(c.PanelUnknown, "StringGridResult", c.SortButtonsResult,
                                        {"zNWGrid1", "zNWGrid3", "zNWGrid4", "zNWGrid5", "zNWGrid6"});
    c.zcSpinBtn1 = MakeControl<SpinButton>(c.PanelUnknown, "zcSpinBtn1");
    c.StringGridResult->AddOverlay(c.zcSpinBtn1);
    c.zBitColBtnTData = MakeHidden(MakeControl<ColorButton>(c.PanelUnknown, "zBitColBtnTData", Glyph::Document));
    c.zBitColBtnTransfer = MakeHidden(MakeControl<ColorButton>(c.PanelUnknown, "zBitColBtnTransfer", Glyph::ArrowRight));

    c.PanelKnown = MakeControl<QFrame>(c.PanelResult, "PanelKnown");
    c.PanelKnown->hide();
    c.StringGridResult1 = MakeResultGrid(c.PanelKnown, "StringGridResult1", c.SortButtonsResult1,
                                         {"zNWGrid1_1", "zNWGrid1_3", "zNWGrid1_4", "zNWGrid1_5", "zNWGrid1_6"});
    c.zBitColBtnTData1 = MakeHidden(MakeControl<ColorButton>(c.PanelKnown, "zBitColBtnTData1", Glyph::Document));
    c.zBitColBtnTransfer1 = MakeHidden(MakeControl<ColorButton>(c.PanelKnown, "zBitColBtnTransfer1", Glyph::ArrowRight));
    return c;
}

}  // namespace kr::gui
