#include "gui/app/create_controls.h"

#include "gui/widgets/color_button.h"
#include "gui/widgets/page_control.h"
#include "gui/widgets/panels.h"
#include "gui/widgets/picture_box.h"

#include <QComboBox>
#include <QLabel>
#include <QScrollArea>
#include <QTextEdit>

namespace kr::gui {

namespace {

QWidget* MakeTabPage(PageControl* pages, const char* name)
{
    auto* page = new QWidget();
    page->setObjectName(QString::fromLatin1(name));
    pages->addTab(page, QString());
    return page;
}

ColorButton* MakeHiddenButton(QWidget* parent, const char* name, Glyph glyph)
{
    auto* button = MakeControl<ColorButton>(parent, name, glyph);
    button->hide();
    return button;
}

QScrollArea* MakeScrollBox(QWidget* page, const char* name, PictureBox* picture)
{
    auto* box = MakeControl<QScrollArea>(page, name);
    box->setBackgroundRole(QPalette::Base);
    box->setWidget(picture);
    box->setWidgetResizable(false);
    return box;
}

PictureBox* MakePicture(const char* name)
{
    auto* picture = MakeControl<PictureBox>(nullptr, name, PictureBox::Placement::TopLeft);
    picture->SetAutoSize(true);
    picture->setCursor(Qt::CrossCursor);
    return picture;
}

}  // namespace

TechnicalPageControls CreateTechnicalPage(QWidget* page)
{
    TechnicalPageControls c;
    c.TabSheetAlleTekniskeData = page;

    c.PanelDataButtons = MakeControl<GradientPanel>(page, "PanelDataButtons");
    c.PanelDataButtons->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    c.zBitColBtnPrintData = MakeHiddenButton(c.PanelDataButtons, "zBitColBtnPrintData", Glyph::Printer);
    c.zBitColBtnPrintPerformance = MakeHiddenButton(c.PanelDataButtons, "zBitColBtnPrintPerformance", Glyph::Printer);
    c.zBitColBtnPrintDrawing = MakeHiddenButton(c.PanelDataButtons, "zBitColBtnPrintDrawing", Glyph::Printer);
    c.zBitColBtnSaveBmpPerformance = MakeHiddenButton(c.PanelDataButtons, "zBitColBtnSaveBmpPerformance", Glyph::Disk);
    c.zBitColBtnSaveDrawing = MakeHiddenButton(c.PanelDataButtons, "zBitColBtnSaveDrawing", Glyph::Disk);
    c.zBitColBtnCopyPerformance = MakeHiddenButton(c.PanelDataButtons, "zBitColBtnCopyPerformance", Glyph::Clipboard);
    c.zBitColBtnCopyDrawing = MakeHiddenButton(c.PanelDataButtons, "zBitColBtnCopyDrawing", Glyph::Clipboard);
    c.LabelCoolerDrawing = MakeControl<QLabel>(c.PanelDataButtons, "LabelCoolerDrawing");
    c.LabelCoolerDrawing->hide();
    c.ComboBoxDrawing = MakeControl<QComboBox>(c.PanelDataButtons, "ComboBoxDrawing");
    c.ComboBoxDrawing->hide();
    c.zBitColBtnHelpData = MakeControl<ColorButton>(c.PanelDataButtons, "zBitColBtnHelpData", Glyph::Help);
    c.zBitColBtnBackData = MakeControl<ColorButton>(c.PanelDataButtons, "zBitColBtnBackData", Glyph::Back);

    c.PageControlAlleTekniskeData = MakeControl<PageControl>(page, "PageControlAlleTekniskeData");
    c.TabSheetData = MakeTabPage(c.PageControlAlleTekniskeData, "TabSheetData");
    c.RichEditData = MakeControl<QTextEdit>(c.TabSheetData, "RichEditData");
    c.RichEditData->setReadOnly(true);
    c.RichEditData->setLineWrapMode(QTextEdit::NoWrap);
    c.RichEditData->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    c.RichEditData->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    c.TabSheetKurver = MakeTabPage(c.PageControlAlleTekniskeData, "TabSheetKurver");
    c.ImageKuver = MakePicture("ImageKuver");
    c.ScrollBoxKurver1 = MakeScrollBox(c.TabSheetKurver, "ScrollBoxKurver1", c.ImageKuver);

    c.TabSheetTegning = MakeTabPage(c.PageControlAlleTekniskeData, "TabSheetTegning");
    c.zBitmapFullDraw = MakePicture("zBitmapFullDraw");
    c.ScrollBoxDrawingSurface = MakeScrollBox(c.TabSheetTegning, "ScrollBoxDrawingSurface", c.zBitmapFullDraw);
    c.LabelNoDrawing2 = MakeControl<QLabel>(c.TabSheetTegning, "LabelNoDrawing2");
    c.LabelNoDrawing2->setAlignment(Qt::AlignCenter);
    c.LabelNoDrawing2->setWordWrap(true);
    c.LabelNoDrawing2->hide();
    return c;
}

}  // namespace kr::gui
