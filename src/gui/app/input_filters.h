#pragma once

#include <QChar>
#include <QObject>

class QWidget;

namespace kr::gui {

// A number field takes digits, backspace, the locale's decimal separator
// and, where negative values make sense, the minus sign. Any other typed
// character is dropped with the default beep; keys that type nothing
// (arrows, Tab, shortcuts) pass.
class NumberKeyFilter : public QObject {
    Q_OBJECT
public:
    NumberKeyFilter(QObject* parent, QChar decimalSeparator, bool allowMinus);
    static bool Accepts(QChar typed, QChar decimalSeparator, bool allowMinus);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QChar decimalSeparator_;
    bool allowMinus_;
};

// Clicking into or entering an edit field or memo selects all of its text,
// so that typing replaces it. Other controls are left alone.
class EnterEditField : public QObject {
    Q_OBJECT
public:
    explicit EnterEditField(QObject* parent);
    // Watches the control (and a memo's viewport, which gets its clicks).
    void Watch(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace kr::gui
