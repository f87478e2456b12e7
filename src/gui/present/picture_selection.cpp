#include "gui/present/picture_selection.h"

#include "gui/app/screen_texts.h"
#include "gui/widgets/picture_box.h"
#include "pdf/qpainter_canvas.h"

#include <QMouseEvent>
#include <QScrollArea>

namespace kr::gui {

namespace {

Point PointOf(const QMouseEvent& event)
{
    const QPoint at = event.position().toPoint();
    return {at.x(), at.y()};
}

}  // namespace

PictureSelection::PictureSelection(PictureBox& picture, QScrollArea& around, StatusSink status)
    : QObject(&picture), picture_(picture), around_(around), status_(std::move(status))
{
    picture_.setMouseTracking(true);
    picture_.installEventFilter(this);
    around_.viewport()->setMouseTracking(true);
    around_.viewport()->installEventFilter(this);
}

void PictureSelection::SetPicture(const QImage& picture)
{
    selection_.Clear();
    clean_ = picture;
    shown_ = picture;
    picture_.SetPixmap(QPixmap::fromImage(shown_));
}

void PictureSelection::Clear()
{
    Draw(selection_.Clear());
}

QImage PictureSelection::CopiedPart()
{
    const Rect area = selection_.CopyArea({clean_.width(), clean_.height()});
    return clean_.copy(area.Left, area.Top, area.Width(), area.Height());
}

void PictureSelection::Draw(const std::vector<SelectionCorners>& outlines)
{
    if (outlines.empty() || shown_.isNull())
        return;
    {
        QPainterCanvas canvas(shown_);
        for (const SelectionCorners& outline : outlines)
            DrawSelectionOutline(canvas, outline);
    }
    picture_.SetPixmap(QPixmap::fromImage(shown_));
}

void PictureSelection::Apply(const SelectionUpdate& update)
{
    Draw(update.Outlines);
    status_(FromUtf8(update.Status));
}

bool PictureSelection::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return QObject::eventFilter(watched, event);
    if (watched == around_.viewport()) {
        if (type == QEvent::MouseMove)
            status_(FromUtf8(OutsidePictureStatus));
        return false;
    }
    const auto& mouse = static_cast<const QMouseEvent&>(*event);
    if (shown_.isNull() || (type != QEvent::MouseMove && mouse.button() != Qt::LeftButton))
        return false;
    const Point at = PointOf(mouse);
    if (type == QEvent::MouseButtonPress)
        Apply(selection_.MouseDown(at));
    else if (type == QEvent::MouseMove)
        Apply(selection_.MouseMove(at, readout_));
    else
        Apply(selection_.MouseUp(at));
    return true;
}

}  // namespace kr::gui
