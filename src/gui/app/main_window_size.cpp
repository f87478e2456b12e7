// The window's sizes: size limits per screen, snapping of every bounds
// change to one of the three sizes, and the fixed layout of each size.
#include "gui/app/app_state.h"
#include "gui/app/form_startmenu.h"
#include "gui/app/main_window_layout.h"
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
    resize(StartMenuSize);
    move((screen.width() - StartMenuSize.width()) / 2, (screen.height() - StartMenuSize.height()) / 2);
    for (QWidget* control : std::initializer_list<QWidget*>{
             StartMenu.zBitmapLogoMenu, StartMenu.zColorBtnCalcSearch, StartMenu.zColorBtnProdInfo,
             StartMenu.zColorBtnCompProfile, StartMenu.CheckBoxShowStartmenu})
        CentreHorizontally(control, StartMenuSize.width());
    lastBounds_ = geometry();
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

void TFormStartmenu::SetWindowBounds(const QRect& requested)
{
    move(requested.topLeft());
    if (sizeSnapping_ && !OnStartMenu())
        ApplyWindowSize(SnapWindowSize(requested.width()));
    else
        ApplyWindowSize(requested.size());
}

void TFormStartmenu::ApplyWindowSize(const QSize& size)
{
    applyingSize_ = true;
    resize(size);
    applyingSize_ = false;
    LayoutMainWindow();
    lastBounds_ = geometry();
}

void TFormStartmenu::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (applyingSize_)
        return;
    if (sizeSnapping_ && !OnStartMenu()) {
        if (event->spontaneous()) {
            // The user dragged a border: only the right and bottom ones resize.
            const std::optional<QSize> dragged =
                DraggedWindowSize(DragEdgeBetween(lastBounds_, geometry()), event->size());
            if (!dragged) {
                setGeometry(lastBounds_);
                return;
            }
            ApplyWindowSize(*dragged);
            return;
        }
        const QSize snapped = SnapWindowSize(event->size().width());
        if (snapped != event->size()) {
            ApplyWindowSize(snapped);
            return;
        }
    }
    LayoutMainWindow();
    lastBounds_ = geometry();
}

void TFormStartmenu::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    lastBounds_ = geometry();
}

void TFormStartmenu::LayoutMainWindow()
{
    PageControlSkaerm->setUpdatesEnabled(false);
    statusPanels_[0]->setFixedWidth(width() / 2);
    if (const std::optional<LayoutSize> size = LayoutSizeForHeight(height())) {
        for (const ControlPlacement& placement : MainWindowPlacements()) {
            if (QWidget* control = placedControls_.value(QString::fromLatin1(placement.Name)))
                control->setGeometry(placement.At(*size));
        }
        for (PageControl* pages : {MainScreen.PageControlCooise, Technical.PageControlAlleTekniskeData})
            pages->SetTabWidth((pages->width() - TabWidthMargin) / TabCount);
        const int frameHeight = Technical.PanelDataButtons->height();
        ColorButton* back = Technical.zBitColBtnBackData;
        back->move(back->x(), frameHeight - back->height() - BackButtonGap);
        Technical.zBitColBtnHelpData->move(Technical.zBitColBtnHelpData->x(),
                                           frameHeight - 2 * back->height() - HelpButtonGap);
        FitTexts();
        FitButtonCaptions();
    }
    PageControlSkaerm->setUpdatesEnabled(true);
}

}  // namespace kr::gui
