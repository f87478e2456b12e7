#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

namespace kr::gui {

// The two sounds the program makes: the default beep of a refused key and
// the error beep of the error list.
enum class BeepKind { Default, Error };

// One message box as the program asks for it.
struct MessageBoxRequest {
    QWidget* Owner = nullptr;  // none: the active window
    QString Caption;
    QString Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons Buttons = QMessageBox::Ok;
    QMessageBox::StandardButton DefaultButton = QMessageBox::NoButton;
};

// Stands in for the user at every message box and hears every beep. The
// program shows real boxes; a test installs its own answerer.
class MessageBoxAnswerer {
public:
    virtual ~MessageBoxAnswerer() = default;
    virtual QMessageBox::StandardButton Answer(const MessageBoxRequest& request) = 0;
    virtual void Beep(BeepKind kind) = 0;
};

// The one way the program shows a message box or beeps.
class MessageBoxes {
public:
    static QMessageBox::StandardButton Show(const MessageBoxRequest& request);
    // OK only, with the stop icon.
    static void ShowError(QWidget* owner, const QString& caption, const QString& text);
    static void Beep(BeepKind kind = BeepKind::Default);

    // Makes answerer answer from now on (nullptr: real boxes again) and
    // returns the one it replaces. The caller keeps ownership.
    static MessageBoxAnswerer* InstallAnswerer(MessageBoxAnswerer* answerer);
};

// Installs an answerer for the lifetime of a scope, then restores the
// previous one.
class ScopedMessageBoxAnswerer {
public:
    explicit ScopedMessageBoxAnswerer(MessageBoxAnswerer& answerer)
        : previous_(MessageBoxes::InstallAnswerer(&answerer))
    {
    }
    ~ScopedMessageBoxAnswerer() { MessageBoxes::InstallAnswerer(previous_); }
    ScopedMessageBoxAnswerer(const ScopedMessageBoxAnswerer&) = delete;
    ScopedMessageBoxAnswerer& operator=(const ScopedMessageBoxAnswerer&) = delete;

private:
    MessageBoxAnswerer* previous_;
};

}  // namespace kr::gui
