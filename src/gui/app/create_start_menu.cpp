#include "gui/app/create_controls.h"

#include "gui/widgets/app_style.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/picture_box.h"

#include <QCheckBox>

namespace kr::gui {

namespace {

// Sizes and tops of the start menu's controls; start-up centres them.
constexpr QSize LogoSize{200, 91};
constexpr int StartButtonWidth = 250;
constexpr int StartButtonHeight = 32;
constexpr int CalcSearchTop = 104;
constexpr int ProdInfoTop = 144;
constexpr int CompProfileTop = 184;
constexpr QRect ShowStartmenuRect{0, 232, 250, 17};

ColorButton* MakeStartButton(QWidget* page, const char* name, int top)
{
    auto* button = MakeControl<ColorButton>(page, name, Glyph::None);
    button->SetColor(look::StartButtonFace);
    button->setGeometry(0, top, StartButtonWidth, StartButtonHeight);
    QFont bigger = button->font();
    bigger.setPointSize(ProgramFontPoints + 1);
    button->setFont(bigger);
    return button;
}

}  // namespace

StartMenuControls CreateStartMenuPage(QWidget* page)
{
    StartMenuControls c;
    c.TabSheetStartMenu = page;
    page->setAutoFillBackground(true);
    c.zBitmapLogoMenu = MakeControl<PictureBox>(page, "zBitmapLogoMenu", PictureBox::Placement::Fit);
    c.zBitmapLogoMenu->setGeometry(QRect(QPoint(0, 0), LogoSize));
    c.zColorBtnCalcSearch = MakeStartButton(page, "zColorBtnCalcSearch", CalcSearchTop);
    c.zColorBtnProdInfo = MakeStartButton(page, "zColorBtnProdInfo", ProdInfoTop);
    c.zColorBtnCompProfile = MakeStartButton(page, "zColorBtnCompProfile", CompProfileTop);
    c.CheckBoxShowStartmenu = MakeControl<QCheckBox>(page, "CheckBoxShowStartmenu");
    c.CheckBoxShowStartmenu->setGeometry(ShowStartmenuRect);
    return c;
}

}  // namespace kr::gui
