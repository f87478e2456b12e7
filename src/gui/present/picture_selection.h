#pragma once

#include "core/present/selection_rectangle.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <functional>

class QScrollArea;

namespace kr::gui {

class PictureBox;

// The rubber band over a picture of the technical-data screen (the curves,
// a drawing): pressing, dragging and letting go of the mouse draw a dotted
// rectangle on the picture shown, which the status bar describes; copying
// takes the part inside it from the clean picture. The picture kept for
// saving never shows the rectangle.
class PictureSelection : public QObject {
    Q_OBJECT
public:
    using StatusSink = std::function<void(const QString&)>;

    // Watches the picture and the scroll area around it; status texts go to
    // the sink.
    PictureSelection(PictureBox& picture, QScrollArea& around, StatusSink status);

    // Shows a new picture, without a rectangle.
    void SetPicture(const QImage& picture);
    // What the status shows of the value under the mouse; none by default.
    void SetReadout(SelectionRectangle::Readout readout) { readout_ = std::move(readout); }
    // Takes a shown rectangle away (the tab is left).
    void Clear();

    // The part to copy: the inside of a rectangle with an area, else the
    // whole picture.
    QImage CopiedPart();
    const QImage& ShownPicture() const { return shown_; }
    const SelectionRectangle& Selection() const { return selection_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Draw(const std::vector<SelectionCorners>& outlines);
    void Apply(const SelectionUpdate& update);

    PictureBox& picture_;
    QScrollArea& around_;
    StatusSink status_;
    SelectionRectangle::Readout readout_;
    SelectionRectangle selection_;
    QImage clean_;
    QImage shown_;
};

}  // namespace kr::gui
