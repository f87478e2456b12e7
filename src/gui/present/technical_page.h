#pragma once

#include "gui/app/main_window_controls.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

namespace kr {
enum class ResultTab;
struct CoolerChoices;
struct PerformanceCurves;
}  // namespace kr

namespace kr::gui {

class PictureSelection;
class TFormStartmenu;

// The technical-data screen of the main window: the chosen cooler's data
// sheet, its performance curves and its dimension drawing, each readable,
// copyable and saveable. It owns its controls and handlers; the main window
// creates it, forwards the openings and switches to it.
class TechnicalPage : public QObject {
    Q_OBJECT
public:
    TechnicalPage(QWidget* page, TFormStartmenu& window);
    ~TechnicalPage() override;

    TechnicalPageControls Controls;

    // Opens the page with the cooler of the chosen row of a result grid
    // (the Technical data button or a double click); nothing happens on a
    // row without a result.
    void zBitColBtnTDataClick(ResultTab origin);
    // The drawing viewer alone, from the Drawings menu.
    void MenuDrawingClick();

    // The drawing list: the designation of every cooler record.
    void FillDrawingList();

    // The last curves picture; none has been drawn for a KRC cooler.
    const QImage& CurvesBitmap() const { return curvesBitmap_; }
    PictureSelection& CurvesSelection() const { return *curvesSelection_; }
    PictureSelection& DrawingSelection() const { return *drawingSelection_; }
    // The DXF file of the drawing shown last.
    const std::filesystem::path& DxfPath() const { return dxfPath_; }

public slots:
    void PageControlAlleTekniskeDataChange();
    void zBitColBtnHelpDataClick();
    void zBitColBtnBackDataClick();
    void ComboBoxDrawingChange();
    void zBitColBtnCopyDrawingClick();
    void zBitColBtnSaveDrawingClick();
    void zBitColBtnCopyPerformanceClick();
    void zBitColBtnSaveBmpPerformanceClick();

private:
    void ConnectHandlers();
    // Before a tab is left: a selection rectangle on it is taken away.
    void PageControlAlleTekniskeDataChanging(QWidget* leaving);
    void ShowTechnicalScreen();
    // Where the pictures' rubber band and readout write: status panel 1.
    std::function<void(const QString&)> StatusPanel1() const;
    // What the user chose on the tab the cooler comes from.
    CoolerChoices ChoicesOf(ResultTab origin) const;
    void WriteDataSheet(bool krc);
    void DrawCurves(bool krc);
    void SelectDrawing(const QString& designation);

    TFormStartmenu& window_;
    PictureSelection* curvesSelection_;
    PictureSelection* drawingSelection_;
    // The sweep of the cooler shown, kept for the value readout.
    std::unique_ptr<PerformanceCurves> curves_;
    QImage curvesBitmap_;
    std::filesystem::path dxfPath_;
    QWidget* shownTab_ = nullptr;
};

}  // namespace kr::gui
