#pragma once

#include "core/print/print_selection.h"

#include <QDialog>
#include <QString>

#include <array>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;

namespace kr::gui {

class ColorButton;
class LanguagePicker;
class PrintSession;
class TFormStartmenu;

// The print selection: which documents to print, whether the technical
// data shows prices, the language of the printout, and where the jobs go:
// the printer (which Printer setup changes) or PDF files, which are the
// only choice while the platform knows no printer.
class TFormPrintSelect : public QDialog {
    Q_OBJECT
public:
    TFormPrintSelect(TFormStartmenu& owner, PrintSession& session);

    // The box of a document.
    QCheckBox* DocumentBox(PrintDocument document) const;
    // Enables and ticks the document boxes and the prices box.
    void ShowSelection(const PrintSelection& selection);
    // The boxes as the user left them.
    PrintSelection Selection() const;

    // The chosen print language as an index into the language list; -1
    // while none is chosen.
    int ChosenLanguage() const;
    bool PdfChosen() const;

    QGroupBox* GroupBoxPrinter = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* LabelPrinterName = nullptr;
    QCheckBox* CheckBoxPdf = nullptr;
    ColorButton* zBitColBtnSetup = nullptr;
    QGroupBox* GroupBoxPrint = nullptr;
    QCheckBox* CheckBoxData = nullptr;
    QCheckBox* CheckBoxDrawing = nullptr;
    QCheckBox* CheckBoxGraph = nullptr;
    QCheckBox* CheckBoxOffer = nullptr;
    QCheckBox* CheckBoxInstruks = nullptr;
    QCheckBox* CheckBoxPris = nullptr;
    LanguagePicker* ComboBoxLanguage = nullptr;
    ColorButton* zBitColBtnPrint = nullptr;
    ColorButton* zBitColBtnCancel = nullptr;

public slots:
    // Qt's printer dialog; whatever the user did there, the printer shown
    // afterwards is the one the jobs go to.
    void zBitColBtnSetupClick();

private:
    void CreatePrinterGroup();
    void CreateDocumentGroup();
    void CreateButtons();
    void ApplyTexts();
    void SelectScreenLanguage();
    void ShowPrinter();

    TFormStartmenu& owner_;
    PrintSession& session_;
    std::array<QCheckBox*, PrintDocumentCount> documentBoxes_{};
};

// Qt's printer dialog for the printer the print jobs go to, its confirming
// button named in the screen language; true when the user confirmed it.
bool RunPrinterSetup(QWidget* owner, PrintSession& session, const QString& confirmText);

}  // namespace kr::gui
