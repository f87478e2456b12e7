#include "gui/platform/message_boxes.h"

#include <QApplication>

namespace kr::gui {

namespace {

// Real boxes and the platform's beep.
class UserAnswerer final : public MessageBoxAnswerer {
public:
    QMessageBox::StandardButton Answer(const MessageBoxRequest& request) override
    {
        QWidget* owner = request.Owner ? request.Owner : QApplication::activeWindow();
        QMessageBox box(request.Icon, request.Caption, request.Text, request.Buttons, owner);
        if (request.DefaultButton != QMessageBox::NoButton)
            box.setDefaultButton(request.DefaultButton);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }

    void Beep(BeepKind) override { QApplication::beep(); }
};

UserAnswerer userAnswerer;
MessageBoxAnswerer* installed = nullptr;

MessageBoxAnswerer& Current()
{
    return installed ? *installed : userAnswerer;
}

}  // namespace

QMessageBox::StandardButton MessageBoxes::Show(const MessageBoxRequest& request)
{
    return Current().Answer(request);
}

void MessageBoxes::ShowError(QWidget* owner, const QString& caption, const QString& text)
{
    Show({owner, caption, text, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok});
}

void MessageBoxes::Beep(BeepKind kind)
{
    Current().Beep(kind);
}

MessageBoxAnswerer* MessageBoxes::InstallAnswerer(MessageBoxAnswerer* answerer)
{
    MessageBoxAnswerer* previous = installed;
    installed = answerer;
    return previous;
}

}  // namespace kr::gui
