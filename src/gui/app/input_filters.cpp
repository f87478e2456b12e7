#include "gui/app/input_filters.h"

#include "gui/platform/message_boxes.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

namespace kr::gui {

NumberKeyFilter::NumberKeyFilter(QObject* parent, QChar decimalSeparator, bool allowMinus)
    : QObject(parent), decimalSeparator_(decimalSeparator), allowMinus_(allowMinus)
{
}

bool NumberKeyFilter::Accepts(QChar typed, QChar decimalSeparator, bool allowMinus)
{
    return (typed >= u'0' && typed <= u'9') || typed == decimalSeparator || (allowMinus && typed == u'-');
}

bool NumberKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Backspace)
        return false;
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString typed = key->text();
    if (typed.isEmpty() || !typed[0].isPrint())
        return false;
    if (Accepts(typed[0], decimalSeparator_, allowMinus_))
        return false;
    MessageBoxes::Beep(BeepKind::Default);
    return true;
}

EnterEditField::EnterEditField(QObject* parent) : QObject(parent) {}

void EnterEditField::Watch(QWidget* control)
{
    control->installEventFilter(this);
    if (auto* memo = qobject_cast<QPlainTextEdit*>(control))
        memo->viewport()->installEventFilter(this);
}

bool EnterEditField::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::FocusIn && type != QEvent::MouseButtonRelease)
        return QObject::eventFilter(watched, event);
    QObject* control = watched;
    if (auto* viewport = qobject_cast<QWidget*>(watched); viewport && qobject_cast<QPlainTextEdit*>(viewport->parent()))
        control = viewport->parent();
    // After the event itself, which may place the cursor.
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        QTimer::singleShot(0, edit, &QLineEdit::selectAll);
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(control))
        QTimer::singleShot(0, memo, &QPlainTextEdit::selectAll);
    return QObject::eventFilter(watched, event);
}

}  // namespace kr::gui
