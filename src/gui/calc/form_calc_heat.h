#pragma once

#include "core/calc/heat_calculation.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;

namespace kr::gui {

struct AppState;
class ColorButton;
class HelpViewer;

// The heat-rejection calculator: the heat a hydraulic system's oil took up
// while it warmed without cooling, worked out from a measurement and offered
// for the duty input. Every decision is the core's HeatCalculator; the
// dialog reads its fields into it and writes its answers back.
class TFormCalcHeat : public QDialog {
    Q_OBJECT
public:
    TFormCalcHeat(QWidget* owner, const AppState& state, HelpViewer& help);

    // What the transfer button took; nothing until it is pressed.
    const std::optional<HeatTransfer>& TakenTransfer() const { return transfer_; }

    QLabel* LabelOilVolume = nullptr;
    QLineEdit* EditOilVolume = nullptr;
    QComboBox* ComboBoxOilVolume = nullptr;
    QLabel* LabelDensity = nullptr;
    QLineEdit* EditDensity = nullptr;
    QComboBox* ComboBoxDensity = nullptr;
    QLabel* LabelHeatCap = nullptr;
    QLineEdit* EditheatCap = nullptr;
    QComboBox* ComboBoxHeatCap = nullptr;
    QLabel* LabelIntTemp = nullptr;
    QLineEdit* EditIntTemp = nullptr;
    QComboBox* ComboBoxIntTemp = nullptr;
    QLabel* LabelObTemp = nullptr;
    QLineEdit* EditObTemp = nullptr;
    QComboBox* ComboBoxObTemp = nullptr;
    QLabel* LabelTime = nullptr;
    QLineEdit* EditTime = nullptr;
    QComboBox* ComboBoxTime = nullptr;
    QLabel* LabelHeatRejection = nullptr;
    QLineEdit* EditHeatRejection = nullptr;
    QComboBox* ComboBoxHeatRejection = nullptr;
    ColorButton* zBitColBtnCalc = nullptr;
    ColorButton* zBitColBtnReset = nullptr;
    ColorButton* zBitColBtnHelp = nullptr;
    ColorButton* zBitColBtnClose = nullptr;
    ColorButton* zBitColBtnTransfer = nullptr;

public slots:
    void zBitColBtnCalcClick();
    void zBitColBtnResetClick();
    void zBitColBtnHelpClick();
    void zBitColBtnTransferClick();
    void ComboBoxHeatRejectionChange();
    void ComboBoxDensityChange();
    void ComboBoxHeatCapChange();
    void EditDensityChange();
    void EditheatCapChange();

private:
    void CreateRows();
    void CreateButtons();
    void ConnectHandlers();
    void ApplyTexts();
    WarmUpMeasurement Measurement() const;

    const AppState& state_;
    HelpViewer& help_;
    HeatCalculator calculator_;
    std::optional<HeatTransfer> transfer_;
};

// Shows the calculator modally, centred on its owner. The transfer's heat
// text and power unit when the user transferred a result, else nothing.
std::optional<HeatTransfer> RunHeatCalculation(QWidget* owner, const AppState& state, HelpViewer& help);

}  // namespace kr::gui
