#include "gui/print/form_print_select.h"

#include "core/common/text_case.h"
#include "core/data/text_keys.h"
#include "gui/app/app_state.h"
#include "gui/app/create_controls.h"
#include "gui/app/dialog_support.h"
#include "gui/app/form_startmenu.h"
#include "gui/app/screen_texts.h"
#include "gui/print/print_session.h"
#include "gui/widgets/app_style.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/glyphs.h"
#include "gui/widgets/language_picker.h"
#include "gui/widgets/panels.h"
#include "gui/widgets/text_fitting.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace kr::gui {

namespace {

constexpr QSize ClientSize{352, 336};
constexpr int Margin = 8;
constexpr QRect PrinterGroupRect{Margin, 8, ClientSize.width() - 2 * Margin, 78};
constexpr QRect PrinterGlyphRect{10, 18, GlyphSize + 4, 20};
constexpr QRect PrinterNameRect{34, 18, PrinterGroupRect.width() - 44, 20};
constexpr QRect PdfBoxRect{10, 48, 200, 19};
constexpr QRect SetupButtonRect{PrinterGroupRect.width() - 120, 44, 110, 26};
constexpr QRect DocumentGroupRect{Margin, 94, ClientSize.width() - 2 * Margin, 134};
constexpr int DocumentBoxTop = 20;
constexpr int DocumentBoxStep = 22;
constexpr int DocumentBoxHeight = 19;
constexpr QRect PricesBoxRect{18, 234, ClientSize.width() - 18 - Margin, 19};
constexpr int LanguageTop = 260;
constexpr int LanguageWidth = 200;
constexpr int LanguageBoxRoom = 6;  // the box's frame around its item
constexpr int MinLanguageBoxHeight = 24;
constexpr int ButtonPanelHeight = 46;
constexpr int ButtonWidth = 98;
constexpr QRect CancelButtonRect{ClientSize.width() - Margin - ButtonWidth, 10, ButtonWidth, 26};
constexpr QRect PrintButtonRect{CancelButtonRect.left() - Margin - ButtonWidth, 10, ButtonWidth, 26};

QPixmap PrinterPicture()
{
    QPixmap picture(PrinterGlyphRect.size());
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    PaintGlyph(painter, Glyph::Printer, picture.rect(), look::Ink);
    return picture;
}

}  // namespace

TFormPrintSelect::TFormPrintSelect(TFormStartmenu& owner, PrintSession& session)
    : QDialog(&owner, FixedDialogFlags), owner_(owner), session_(session)
{
    setObjectName(QStringLiteral("FormPrintSelect"));
    setFixedSize(ClientSize);
    CreatePrinterGroup();
    CreateDocumentGroup();
    CreateButtons();
    ApplyTexts();
    ShowPrinter();
    SelectScreenLanguage();
    CentreOnOwner(*this, owner);
    // Enter and Space print what is ticked, as the dialog opens.
    zBitColBtnPrint->setFocus();
}

void TFormPrintSelect::CreatePrinterGroup()
{
    GroupBoxPrinter = MakeControl<QGroupBox>(this, "GroupBoxPrinter");
    GroupBoxPrinter->setGeometry(PrinterGroupRect);
    Label1 = MakeControl<QLabel>(GroupBoxPrinter, "Label1");
    Label1->setGeometry(PrinterGlyphRect);
    Label1->setPixmap(PrinterPicture());
    LabelPrinterName = MakeControl<QLabel>(GroupBoxPrinter, "LabelPrinterName");
    LabelPrinterName->setGeometry(PrinterNameRect);
    LabelPrinterName->setAlignment(Qt::AlignCenter);
    CheckBoxPdf = MakeControl<QCheckBox>(GroupBoxPrinter, "CheckBoxPdf");
    CheckBoxPdf->setGeometry(PdfBoxRect);
    zBitColBtnSetup = MakeControl<ColorButton>(GroupBoxPrinter, "zBitColBtnSetup", Glyph::Printer);
    zBitColBtnSetup->setGeometry(SetupButtonRect);
    connect(zBitColBtnSetup, &QAbstractButton::clicked, this, &TFormPrintSelect::zBitColBtnSetupClick);
}

void TFormPrintSelect::CreateDocumentGroup()
{
    GroupBoxPrint = MakeControl<QGroupBox>(this, "GroupBoxPrint");
    GroupBoxPrint->setGeometry(DocumentGroupRect);
    // In print order, which is the order of PrintDocument.
    QCheckBox** boxes[] = {&CheckBoxData, &CheckBoxDrawing, &CheckBoxGraph, &CheckBoxOffer, &CheckBoxInstruks};
    const char* names[] = {"CheckBoxData", "CheckBoxDrawing", "CheckBoxGraph", "CheckBoxOffer", "CheckBoxInstruks"};
    static_assert(std::size(names) == PrintDocumentCount);
    for (std::size_t i = 0; i < PrintDocumentCount; ++i) {
        QCheckBox* box = MakeControl<QCheckBox>(GroupBoxPrint, names[i]);
        box->setGeometry(10, DocumentBoxTop + static_cast<int>(i) * DocumentBoxStep, DocumentGroupRect.width() - 20,
                         DocumentBoxHeight);
        *boxes[i] = box;
        documentBoxes_[i] = box;
    }
    // Only the installation instructions can be printed before anything is chosen.
    for (QCheckBox* box : {CheckBoxData, CheckBoxDrawing, CheckBoxGraph, CheckBoxOffer})
        box->setEnabled(false);

    CheckBoxPris = MakeControl<QCheckBox>(this, "CheckBoxPris");
    CheckBoxPris->setGeometry(PricesBoxRect);

    const AppState& state = owner_.State();
    ComboBoxLanguage = MakeControl<LanguagePicker>(this, "ComboBoxLanguage");
    ComboBoxLanguage->Fill(state.Languages, FromUtf8(state.AppDir));
    // A screen reader reads each entry by its language, not by its flag.
    for (int i = 0; i < ComboBoxLanguage->count(); ++i)
        ComboBoxLanguage->setItemData(i, ComboBoxLanguage->itemText(i), Qt::AccessibleTextRole);
    ComboBoxLanguage->setGeometry(Margin, LanguageTop, LanguageWidth,
                                  qMax(MinLanguageBoxHeight, ComboBoxLanguage->ItemHeight() + LanguageBoxRoom));
}

void TFormPrintSelect::CreateButtons()
{
    auto* panel = MakeControl<GradientPanel>(this, "PanelButtons");
    panel->setGeometry(0, ClientSize.height() - ButtonPanelHeight, ClientSize.width(), ButtonPanelHeight);
    zBitColBtnPrint = MakeControl<ColorButton>(panel, "zBitColBtnPrint", Glyph::Printer);
    zBitColBtnPrint->setGeometry(PrintButtonRect);
    zBitColBtnPrint->setDefault(true);
    zBitColBtnCancel = MakeControl<ColorButton>(panel, "zBitColBtnCancel", Glyph::Cancel);
    zBitColBtnCancel->setGeometry(CancelButtonRect);
    connect(zBitColBtnPrint, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(zBitColBtnCancel, &QAbstractButton::clicked, this, &QDialog::reject);
}

void TFormPrintSelect::ApplyTexts()
{
    const LanguageTable& texts = owner_.State().Texts();
    setWindowTitle(Text(texts, keys::PrintSelection));
    GroupBoxPrinter->setTitle(Text(texts, keys::Printer));
    // "Print" names both the group and the button, without a shortcut mark.
    const QString print = FromUtf8(PrintCaption(texts.Lookup(keys::Print.Key)));
    GroupBoxPrint->setTitle(print);
    Label1->setAccessibleName(Text(texts, keys::Printer));

    const struct {
        QAbstractButton* Control;
        QString Caption;
        TextKey HintKey;
    } rows[] = {
        {zBitColBtnPrint, print, keys::HintPrint},
        {zBitColBtnCancel, Text(texts, keys::Cancel), keys::HintCancel},
        {zBitColBtnSetup, Text(texts, keys::SetupPrinter), keys::HintSetupPrinter},
        {CheckBoxPdf, Text(texts, keys::PrintToPdf), keys::HintPrintToPdf},
        {CheckBoxData, Text(texts, keys::PrintData), keys::HintPrintData},
        {CheckBoxDrawing, Text(texts, keys::PrintDrawing), keys::HintPrintDrawing},
        {CheckBoxGraph, Text(texts, keys::PrintGraphs), keys::HintPrintGraphs},
        {CheckBoxOffer, Text(texts, keys::PrintQuotation), keys::HintPrintQuotation},
        {CheckBoxInstruks, Text(texts, keys::PrintInstallationInstructions), keys::HintPrintInstallationInstructions},
        {CheckBoxPris, Text(texts, keys::IncludePricesOnPrint), keys::HintIncludePricesOnPrint},
    };
    for (const auto& row : rows) {
        row.Control->setText(row.Caption);
        row.Control->setAccessibleName(row.Caption);
        SetHint(*row.Control, Text(texts, row.HintKey));
        if (qobject_cast<QCheckBox*>(row.Control))
            FitTextToWidth(*row.Control);
    }
    // The picker has no label; it is named by what it chooses.
    SetHint(*ComboBoxLanguage, Text(texts, keys::HintLanguage));
    ComboBoxLanguage->setAccessibleName(Text(texts, keys::HintLanguage));
}

void TFormPrintSelect::SelectScreenLanguage()
{
    const AppState& state = owner_.State();
    ComboBoxLanguage->setCurrentIndex(InitialPrintLanguage(state.Languages, state.Texts().Lookup(keys::Language.Key)));
}

QCheckBox* TFormPrintSelect::DocumentBox(PrintDocument document) const
{
    return documentBoxes_[static_cast<std::size_t>(document)];
}

void TFormPrintSelect::ShowSelection(const PrintSelection& selection)
{
    for (PrintDocument document : PrintOrder) {
        DocumentBox(document)->setEnabled(selection[document].Enabled);
        DocumentBox(document)->setChecked(selection[document].Ticked);
    }
    CheckBoxPris->setChecked(selection.IncludePrices);
}

PrintSelection TFormPrintSelect::Selection() const
{
    PrintSelection selection;
    for (PrintDocument document : PrintOrder)
        selection[document] = {DocumentBox(document)->isEnabled(), DocumentBox(document)->isChecked()};
    selection.IncludePrices = CheckBoxPris->isChecked();
    return selection;
}

void TFormPrintSelect::ShowPrinter()
{
    const LanguageTable& texts = owner_.State().Texts();
    const DestinationChoice choice = DestinationChoiceOf(session_);
    LabelPrinterName->setText(choice.PrinterName.isEmpty() ? Text(texts, keys::NoPrinter) : choice.PrinterName);
    LabelPrinterName->setAccessibleName(GroupBoxPrinter->title() + QStringLiteral(": ") + LabelPrinterName->text());
    CheckBoxPdf->setChecked(choice.Pdf);
    CheckBoxPdf->setEnabled(!choice.PdfOnly);
}

void TFormPrintSelect::zBitColBtnSetupClick()
{
    RunPrinterSetup(this, session_, Text(owner_.State().Texts(), keys::Ok));
    ShowPrinter();
}

int TFormPrintSelect::ChosenLanguage() const
{
    return ComboBoxLanguage->currentIndex();
}

bool TFormPrintSelect::PdfChosen() const
{
    return CheckBoxPdf->isChecked();
}

bool RunPrinterSetup(QWidget* owner, PrintSession& session, const QString& confirmText)
{
    QPrinter& printer = session.Printer();
    QPrintDialog dialog(&printer, owner);
    dialog.setObjectName(QStringLiteral("PrinterSetupDialogSetup"));
    // Only the printer and its paper are set up here; what is printed is
    // chosen in the print selection.
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* confirm = buttons->button(QDialogButtonBox::Ok))
            confirm->setText(confirmText);
    }
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    // A file chosen in the printer dialog means PDF files in its folder.
    if (confirmed && printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        session.PdfFolder = QFileInfo(printer.outputFileName()).absolutePath();
    return confirmed;
}

}  // namespace kr::gui
