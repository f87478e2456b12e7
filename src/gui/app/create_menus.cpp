#include "gui/app/create_controls.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace kr::gui {

namespace {

QMenu* MakeMenu(QMenuBar* bar, const char* name)
{
    auto* menu = new QMenu(bar);
    menu->setObjectName(QString::fromLatin1(name));
    menu->setToolTipsVisible(true);
    bar->addMenu(menu);
    return menu;
}

QAction* MakeItem(QMenu* menu, const char* name)
{
    auto* action = new QAction(menu);
    action->setObjectName(QString::fromLatin1(name));
    menu->addAction(action);
    return action;
}

}  // namespace

MainMenus CreateMainMenus(QMenuBar* bar)
{
    MainMenus m;
    m.MenuFile = MakeMenu(bar, "MenuFile");
    m.MenuSaveQuotation = MakeItem(m.MenuFile, "MenuSaveQuotation");
    m.MenuOpenQuotation = MakeItem(m.MenuFile, "MenuOpenQuotation");
    m.MenuFile->addSeparator();
    m.MenuPrint = MakeItem(m.MenuFile, "MenuPrint");
    m.MenuPrintSetup = MakeItem(m.MenuFile, "MenuPrintSetup");
    m.MenuFile->addSeparator();
    m.MenuMinimize = MakeItem(m.MenuFile, "MenuMinimize");
    m.MenuStop = MakeItem(m.MenuFile, "MenuStop");

    m.MenuOptions = MakeMenu(bar, "MenuOptions");
    m.MenuCalc = MakeItem(m.MenuOptions, "MenuCalc");
    m.MenuKnown = MakeItem(m.MenuOptions, "MenuKnown");
    m.MenuQuotation = MakeItem(m.MenuOptions, "MenuQuotation");
    m.MenuOptions->addSeparator();
    m.MenuAccessories = MakeItem(m.MenuOptions, "MenuAccessories");
    m.MenuHeatCalc = MakeItem(m.MenuOptions, "MenuHeatCalc");
    m.MenuPriceUpdate = MakeItem(m.MenuOptions, "MenuPriceUpdate");
    m.MenuDrawing = MakeItem(m.MenuOptions, "MenuDrawing");
    m.MenuOptions->addSeparator();
    m.MenuSetOptions = MakeItem(m.MenuOptions, "MenuSetOptions");

    m.Menuhelp = MakeMenu(bar, "Menuhelp");
    m.MenuHelpTopics = MakeItem(m.Menuhelp, "MenuHelpTopics");
    m.MenuInstInst = MakeItem(m.Menuhelp, "MenuInstInst");
    m.Menuhelp->addSeparator();
    m.MenuKRProd = MakeItem(m.Menuhelp, "MenuKRProd");
    m.MenuCompProf = MakeItem(m.Menuhelp, "MenuCompProf");
    m.Menuhelp->addSeparator();
    m.MenuAbout = MakeItem(m.Menuhelp, "MenuAbout");
    return m;
}

}  // namespace kr::gui
