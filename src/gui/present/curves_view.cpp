// The curves tab of the technical-data screen: the two charts drawn for the
// current cooler, copied to the clipboard, saved as a bitmap.
#include "core/data/text_keys.h"
#include "core/install/failure_reason.h"
#include "core/present/curve_chart.h"
#include "core/present/curve_sweep.h"
#include "gui/app/app_state.h"
#include "gui/app/form_startmenu.h"
#include "gui/app/screen_texts.h"
#include "gui/platform/image_file.h"
#include "gui/platform/message_boxes.h"
#include "gui/platform/save_dialog.h"
#include "gui/present/picture_selection.h"
#include "gui/present/screen_picture.h"
#include "gui/present/technical_page.h"
#include "gui/widgets/picture_box.h"
#include "pdf/qpainter_canvas.h"

#include <QApplication>
#include <QClipboard>

namespace kr::gui {

namespace {

const QString BitmapFilter = QStringLiteral("Bitmaps (*.bmp)");
const QString BitmapSuffix = QStringLiteral("bmp");
const QString UnnamedBitmap = QStringLiteral("unknown.bmp");
const char* const BitmapFormat = "BMP";

}  // namespace

void TechnicalPage::DrawCurves(bool krc)
{
    const AppState& state = window_.State();
    const tCoolType& cooler = state.CurrentCooler;
    // A KRC cooler has one oil flow, its pump's: it has no curves.
    curves_.reset();
    curvesBitmap_ = krc ? NewScreenPicture(QSize(1, 1)) : NewCurvesPicture();
    if (!krc) {
        curves_ = std::make_unique<PerformanceCurves>(SweepCurves(cooler));
        QPainterCanvas canvas(curvesBitmap_);
        const ChartInputs inputs{*curves_, cooler, state.Settings.PresssureLoss, state.Texts(), state.Format};
        DrawPerformanceCharts(canvas, inputs, ScreenChartGeometry());
    }
    curvesSelection_->SetPicture(curvesBitmap_);
    curvesSelection_->SetReadout([this](Point at) {
        const AppState& shown = window_.State();
        if (!curves_)
            return std::string();
        const ChartInputs inputs{*curves_, shown.CurrentCooler, shown.Settings.PresssureLoss, shown.Texts(),
                                 shown.Format};
        return CurveReadout(inputs, at);
    });
    PictureBox& picture = *Controls.ImageKuver;
    const std::string designation = cooler.Designation();
    picture.setAccessibleName(FormatText(state.Texts(), keys::PerformanceText, {designation}, state.Format));
    picture.setAccessibleDescription(FormatText(state.Texts(), keys::CurvesDescription, {designation}, state.Format));
}

void TechnicalPage::zBitColBtnCopyPerformanceClick()
{
    QApplication::clipboard()->setImage(curvesSelection_->CopiedPart());
}

void TechnicalPage::zBitColBtnSaveBmpPerformanceClick()
{
    const AppState& state = window_.State();
    const LanguageTable& texts = state.Texts();
    const SaveFileRequest request{Text(texts, keys::SaveAsBmp), DocumentsFolder(), UnnamedBitmap, BitmapFilter,
                                  BitmapSuffix};
    const QString target = AskSaveFileName(&window_, request);
    if (target.isEmpty())
        return;
    const FileWriteResult saved = SaveImageAtomically(curvesBitmap_, target, BitmapFormat);
    if (saved.Ok())
        return;
    MessageBoxes::ShowError(&window_, Text(texts, keys::ErrorCaption),
                            FormatText(texts, keys::ErrorSaveFile, {ToUtf8(target)}, state.Format) +
                                QStringLiteral("\n\n") + FromUtf8(FailureReasonText(texts, saved, state.Format)));
}

}  // namespace kr::gui
