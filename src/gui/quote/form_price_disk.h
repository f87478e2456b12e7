#pragma once

#include <QDialog>
#include <QString>

#include <filesystem>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPainter;
class QProgressBar;

namespace kr::gui {

struct AppState;
class ColorButton;
class HelpViewer;

// The price update: the user chooses the price file of a price disk, sees
// its header, and has it replace the program's price file, after which the
// prices are read again. A file that is no whole price file is refused
// with the reason, and a failed replacement is told; both leave the
// present prices as they were.
class TFormPriceDisk : public QDialog {
    Q_OBJECT
public:
    TFormPriceDisk(QWidget* owner, AppState& state, HelpViewer& help);

    // The chosen price disk file, empty while none is.
    const QString& ChosenFile() const { return chosenFile_; }
    // True once the price file was replaced and the prices read again.
    bool PricesReplaced() const { return pricesReplaced_; }

    // Shows the header of the file and makes it the choice, or says why
    // the file is refused and leaves nothing chosen.
    void ChooseFile(const QString& file);
    // Draws one header line: the label, and the value at the tab stop
    // shared by all lines, vertically centred.
    void MemoDataDrawItem(QPainter& painter, const QRect& rect, const QString& line) const;

    ColorButton* ButtonOpenList = nullptr;
    QLabel* LabelData = nullptr;
    QListWidget* MemoData = nullptr;
    QProgressBar* zGaugeRead = nullptr;
    ColorButton* ButtonStart = nullptr;
    ColorButton* Buttonhelp = nullptr;
    ColorButton* ButtonClose = nullptr;

public slots:
    void ButtonOpenListClick();
    void ButtonStartClick();
    void ButtonhelpClick();

private:
    void CreateControls();
    void ApplyTexts();
    void ShowHeaderLines(const std::vector<std::string>& lines);
    void ShowError(const QString& text);
    // Reads the new price file into the price table, the gauge following.
    void ReloadPrices();
    std::filesystem::path PriceFile() const;

    AppState& state_;
    HelpViewer& help_;
    QString chosenFile_;
    QString proposedFile_;  // what the file dialog proposes: the last file picked
    int tabStop_ = 0;       // pixels from a line's text start to its value
    bool pricesReplaced_ = false;
};

// What the price update did.
struct PriceUpdateOutcome {
    // The price file was replaced and state.PriceRecords read from it anew:
    // the caller empties the quotation and resets both input pages, since
    // every price they show may have changed.
    bool Replaced = false;
};

// Shows the price update dialog over owner until the user closes it or the
// prices are replaced.
PriceUpdateOutcome RunPriceUpdate(QWidget* owner, AppState& state, HelpViewer& help);

}  // namespace kr::gui
