#pragma once

#include "core/settings/settings.h"

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace kr::gui {

class ColorButton;
class LanguagePicker;
class TFormStartmenu;

// The user's options: the start screen, the screen language, the sender
// address and terms of the quotation, the discount and the display units.
class TFormOptions : public QDialog {
    Q_OBJECT
public:
    explicit TFormOptions(TFormStartmenu& owner);

    // The settings into the fields, and the fields back into settings.
    void ShowSettings(const kr::Settings& settings);
    void TakeSettings(kr::Settings& settings) const;
    // The language whose "Language" text equals name, ignoring case.
    void SelectLanguage(const QString& name);

    // The discount as stored: the field's whole number, 0 when it is none.
    static int DiscountPercent(const QString& text);

    QGroupBox* GroupBoxUser = nullptr;
    QGroupBox* GroupBoxProgram = nullptr;
    QLabel* LabelName = nullptr;
    QPlainTextEdit* MemoName = nullptr;
    QLabel* LabelUserName = nullptr;
    QLineEdit* EditUsername = nullptr;
    QCheckBox* CheckBoxInclude = nullptr;
    QLabel* LabelDiscount = nullptr;
    QLineEdit* EditDiscount = nullptr;
    QLabel* LabelPercent = nullptr;
    QLabel* LabelLeadTime = nullptr;
    QLineEdit* EditLeadTime = nullptr;
    QLabel* LabelDeliveri = nullptr;
    QLineEdit* EditDeliveri = nullptr;
    QLabel* LabelPayment = nullptr;
    QLineEdit* EditPayment = nullptr;
    QCheckBox* CheckBoxShowStart = nullptr;
    LanguagePicker* ComboBoxLanguage = nullptr;
    QLabel* LabelAirFlow = nullptr;
    QComboBox* ComboBoxAirFlow = nullptr;
    QLabel* LabelPressLoss = nullptr;
    QComboBox* ComboBoxPressLoss = nullptr;
    QLabel* LabelWeight = nullptr;
    QComboBox* ComboBoxWeight = nullptr;
    QLabel* LabelVolume = nullptr;
    QComboBox* ComboBoxVolume = nullptr;
    ColorButton* ButtonDefault = nullptr;
    ColorButton* zBitColBtnHelp = nullptr;
    ColorButton* ButtonClose = nullptr;

public slots:
    void ButtonDefaultClick();
    void zBitColBtnHelpClick();

private:
    void CreateUserGroup();
    void CreateProgramGroup();
    void CreateButtons();
    void ApplyTexts();

    TFormStartmenu& owner_;
};

// Shows the options; on OK the new language takes effect at once and every
// option is saved.
void RunOptions(TFormStartmenu& owner);

}  // namespace kr::gui
