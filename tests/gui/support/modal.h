#pragma once

#include <QApplication>
#include <QWidget>

#include <functional>

namespace kr::gui::test {

// Runs action on the modal widget that is about to be shown, as soon as the
// event loop of its exec() runs; the test then fills it in and accepts or
// rejects it.
void WhenModalShown(std::function<void(QWidget&)> action);

template <class Dialog>
void WhenDialogShown(std::function<void(Dialog&)> action)
{
    WhenModalShown([action](QWidget& modal) {
        auto* dialog = qobject_cast<Dialog*>(&modal);
        if (dialog)
            action(*dialog);
        else
            modal.close();
    });
}

}  // namespace kr::gui::test
