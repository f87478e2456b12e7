// The drawing tab of the technical-data screen: the dimension drawing of a
// cooler chosen from the list, copied to the clipboard, its DXF file saved.
#include "core/data/text_keys.h"
#include "core/install/failure_reason.h"
#include "core/present/drawing_files.h"
#include "core/settings/atomic_file.h"
#include "gui/app/app_state.h"
#include "gui/app/form_startmenu.h"
#include "gui/app/screen_texts.h"
#include "gui/platform/message_boxes.h"
#include "gui/platform/save_dialog.h"
#include "gui/present/picture_selection.h"
#include "gui/present/screen_picture.h"
#include "gui/present/technical_page.h"
#include "gui/widgets/app_style.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/picture_box.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>

#include <system_error>

namespace kr::gui {

namespace {

const QString DxfFilter = QStringLiteral("DXF file (*.DXF)");
const QString DxfSuffix = QStringLiteral("DXF");

// A saved copy is an ordinary file of the user's: readable by all, writable
// by its owner.
constexpr auto SavedFilePermissions = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                      std::filesystem::perms::group_read | std::filesystem::perms::others_read;

}  // namespace

void TechnicalPage::SelectDrawing(const QString& designation)
{
    const int index = Controls.ComboBoxDrawing->findText(designation, Qt::MatchExactly | Qt::MatchCaseSensitive);
    Controls.ComboBoxDrawing->setCurrentIndex(index);
    ComboBoxDrawingChange();
}

void TechnicalPage::ComboBoxDrawingChange()
{
    const TechnicalPageControls& t = Controls;
    const AppState& state = window_.State();
    const LanguageTable& texts = state.Texts();
    const QString designation = t.ComboBoxDrawing->currentText();
    t.LabelNoDrawing2->hide();
    SetHint(*t.ComboBoxDrawing, Text(texts, keys::HintKrCooler) + QStringLiteral("\n[ ") + designation +
                                    QStringLiteral(" ]"));

    const std::optional<DrawingFiles> files =
        FindDrawing(state.Database.CoolerRecords, ToUtf8(designation), PathOf(state.Settings.BitmapDir));
    QImage picture;
    if (files && picture.load(FromPath(files->Bitmap)))
        picture = AsScreenPicture(picture);
    if (!picture.isNull())
        dxfPath_ = files->Dxf;
    drawingSelection_->SetPicture(picture);
    t.LabelNoDrawing2->setVisible(picture.isNull());
    for (ColorButton* button : {t.zBitColBtnSaveDrawing, t.zBitColBtnCopyDrawing})
        button->setEnabled(!picture.isNull());

    const QString title = FormatText(texts, keys::DrawingText, {ToUtf8(designation)}, state.Format);
    t.zBitmapFullDraw->setAccessibleName(title);
    window_.SetStatusText(0, QStringLiteral(" ") + title);
}

void TechnicalPage::zBitColBtnCopyDrawingClick()
{
    if (!drawingSelection_->ShownPicture().isNull())
        QApplication::clipboard()->setImage(drawingSelection_->CopiedPart());
}

void TechnicalPage::zBitColBtnSaveDrawingClick()
{
    const AppState& state = window_.State();
    const LanguageTable& texts = state.Texts();
    const QString source = FromPath(dxfPath_);
    SaveFileRequest request{Text(texts, keys::SaveAsDxf), DocumentsFolder(), FromPath(dxfPath_.filename()), DxfFilter,
                            DxfSuffix};
    const QString target = AskSaveFileName(&window_, request);
    if (target.isEmpty())
        return;
    const QString caption = Text(texts, keys::ErrorCaption);
    std::error_code missing;
    if (!std::filesystem::is_regular_file(dxfPath_, missing)) {
        MessageBoxes::ShowError(&window_, caption,
                                FormatText(texts, keys::ErrorDrawingMissing, {ToUtf8(source)}, state.Format));
        return;
    }
    const FileWriteResult copied = CopyFileAtomically(dxfPath_, PathOf(target), SavedFilePermissions);
    if (copied.Ok())
        return;
    const std::string reason = FailureReasonText(texts, copied, state.Format);
    MessageBoxes::ShowError(&window_, caption,
                            FormatText(texts, keys::ErrorSaveFile, {ToUtf8(target)}, state.Format) +
                                QStringLiteral("\n\n") + FromUtf8(reason));
}

}  // namespace kr::gui
