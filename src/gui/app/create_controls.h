#pragma once

#include "gui/app/main_window_controls.h"

#include <QString>
#include <QWidget>

#include <utility>

class QMenuBar;

namespace kr::gui {

// A control of the given kind under its name; the layout places it.
template <class Control, class... Args>
Control* MakeControl(QWidget* parent, const char* name, Args&&... args)
{
    auto* control = new Control(parent, std::forward<Args>(args)...);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// Each fills one page of the main window with its controls. The pages are
// made by the window; the texts come when the language texts are applied.
StartMenuControls CreateStartMenuPage(QWidget* page);
MainMenus CreateMainMenus(QMenuBar* bar);
MainScreenControls CreateMainScreen(QWidget* page);
CalcTabControls CreateCalcTab(QWidget* page);
KnownTabControls CreateKnownTab(QWidget* page);
QuotationTabControls CreateQuotationTab(QWidget* page);
TechnicalPageControls CreateTechnicalPage(QWidget* page);

}  // namespace kr::gui
