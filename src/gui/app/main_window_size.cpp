// The window's sizes: size limits per screen, snapping of every bounds
// change to one of the three sizes, and the fixed layout of each size.
#include "gui/app/app_state.h"
#include "gui/app/form_startmenu.h"
#include "gui/app/main_window_layout.h"
#include "gui/present/technical_page.h"
#include "gui/app/window_size_keeper.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/page_control.h"
#include "gui/widgets/panels.h"
#include "gui/widgets/picture_box.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QStackedWidget>
#include <QStatusBar>

namespace kr::gui {

namespace {

// Tabs share their control's width, less the frame.
constexpr int TabWidthMargin = 6;
constexpr int TabCount = 3;
// The technical-data screen's two bottom buttons keep these gaps.
constexpr int BackButtonGap = 5;
constexpr int HelpButtonGap = 9;

void CentreHorizontally(QWidget* control, int pageWidth)
{
    control->move((pageWidth - control->width()) / 2, control->y());
}

}  // namespace

void TFormStartmenu::SetSizeLimits()
{
    if (OnStartMenu()) {
        setMinimumSize(StartMenuSize);
        setMaximumSize(StartMenuSize);
    } else {
        setMinimumSize(MinimumMainSize);
        setMaximumSize(MaximumMainSize);
    }
}

void TFormStartmenu::SetMenusVisible(bool visible)
{
    for (QMenu* menu : {Menus.MenuFile, Menus.MenuOptions, Menus.Menuhelp})
        menu->menuAction()->setVisible(visible);
    menuBar()->setVisible(visible);
}

void TFormStartmenu::ShowStartMenuPage(const QSize& screen)
{
    PageControlSkaerm->setCurrentWidget(StartMenu.TabSheetStartMenu);
    SetSizeLimits();
    SetMenusVisible(false);
    StatusBar->hide();
    SetWindowBounds(QRect(QPoint((screen.width() - StartMenuSize.width()) / 2,
                                 (screen.height() - StartMenuSize.height()) / 2),
                          StartMenuSize));
    for (QWidget* control : std::initializer_list<QWidget*>{
             StartMenu.zBitmapLogoMenu, StartMenu.zColorBtnCalcSearch, StartMenu.zColorBtnProdInfo,
             StartMenu.zColorBtnCompProfile, StartMenu.CheckBoxShowStartmenu})
        CentreHorizontally(control, StartMenuSize.width());
}

void TFormStartmenu::ShowMainPageAtSavedBounds()
{
    PageControlSkaerm->setCurrentWidget(MainScreen.TabSheetMainScreen);
    SetSizeLimits();
    StatusBar->show();
    SetMenusVisible(true);
    const kr::Settings& saved = state_.Settings;
    SetWindowBounds(QRect(saved.Left, saved.Top, saved.Width, saved.Height));
    LayoutMainWindow();
}

WindowSizeKeeper* TFormStartmenu::MakeSizeKeeper()
{
    return new WindowSizeKeeper(
        *this, [this] { return sizeSnapping_ && !OnStartMenu(); }, [this] { LayoutMainWindow(); });
}

void TFormStartmenu::SetWindowBounds(const QRect& requested)
{
    sizeKeeper_->SetBounds(requested);
}

void TFormStartmenu::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    sizeKeeper_->BoundsChanged(event->spontaneous());
}

void TFormStartmenu::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    sizeKeeper_->BoundsChanged(event->spontaneous());
}

void TFormStartmenu::LayoutMainWindow()
{
    PageControlSkaerm->setUpdatesEnabled(false);
    // During a drag the controls keep the layout of the size it began at.
    const QSize resting = sizeKeeper_->RestingGeometry().size();
    statusPanels_[0]->setFixedWidth(resting.width() / 2);
    if (const std::optional<LayoutSize> size = LayoutSizeForHeight(resting.height())) {
        for (const ControlPlacement& placement : MainWindowPlacements()) {
            if (QWidget* control = placedControls_.value(QString::fromLatin1(placement.Name)))
                control->setGeometry(placement.At(*size));
        }
        for (PageControl* pages : {MainScreen.PageControlCooise, TechnicalScreen->Controls.PageControlAlleTekniskeData})
            pages->SetTabWidth((pages->width() - TabWidthMargin) / TabCount);
        const int frameHeight = TechnicalScreen->Controls.PanelDataButtons->height();
        ColorButton* back = TechnicalScreen->Controls.zBitColBtnBackData;
        back->move(back->x(), frameHeight - back->height() - BackButtonGap);
        TechnicalScreen->Controls.zBitColBtnHelpData->move(TechnicalScreen->Controls.zBitColBtnHelpData->x(),
                                           frameHeight - 2 * back->height() - HelpButtonGap);
        FitTexts();
        FitButtonCaptions();
    }
    PageControlSkaerm->setUpdatesEnabled(true);
}

}  // namespace kr::gui
