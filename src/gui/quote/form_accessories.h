#pragma once

#include "core/quote/accessories.h"

#include <QDialog>

#include <vector>

class QGroupBox;
class QLabel;
class QListWidget;

namespace kr::gui {

struct AppState;
class ColorButton;

// Every accessory of the database in three check lists: thermo-switches,
// thermo-bypasses and adapters. The ticked ones go to the quotation.
class TFormAccessories : public QDialog {
    Q_OBJECT
public:
    // Fills the lists from the database in the screen language and centres
    // the dialog over its owner. Nothing is ticked.
    TFormAccessories(QWidget* owner, const AppState& state);

    // The ticked entries as items of the quotation, adapters first, then
    // thermo-switches, then thermo-bypasses.
    std::vector<QuotationItemRequest> TickedItems() const;

    QLabel* Label1 = nullptr;
    QLabel* LabelValg = nullptr;
    QGroupBox* GroupBoxTermokontakt = nullptr;
    QListWidget* CheckListBoxTermokontakt = nullptr;
    QGroupBox* GroupBoxTermoBypass = nullptr;
    QListWidget* CheckListBoxTermoBypass = nullptr;
    QGroupBox* GroupBoxAdapter = nullptr;
    QListWidget* CheckListBoxAdapter = nullptr;
    ColorButton* zBitColBtnClose = nullptr;
    ColorButton* zBitColBtnTransfer = nullptr;

public slots:
    void CheckListBoxTermokontaktDblClick();
    void CheckListBoxTermoBypassDblClick();
    void CheckListBoxAdapterDblClick();

private:
    QListWidget* CreateCheckList(QGroupBox*& group, const char* groupName, const char* listName);
    void CreateButtons();
    void ApplyTexts(const AppState& state);
    void LayOut();

    AccessoryLists lists_;
};

// Shows the dialog modally. The ticked accessories in the order they enter
// the quotation, one unit each; nothing when the dialog is closed otherwise.
std::vector<QuotationItemRequest> RunAccessories(QWidget* owner, const AppState& state);

}  // namespace kr::gui
