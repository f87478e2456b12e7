#pragma once

#include "gui/platform/message_boxes.h"

#include <deque>
#include <vector>

namespace kr::gui::test {

// Answers every message box with the next queued button (the box's default
// button, else OK, when none is queued) and records boxes and beeps.
class RecordingAnswerer : public MessageBoxAnswerer {
public:
    RecordingAnswerer() : scope_(*this) {}

    QMessageBox::StandardButton Answer(const MessageBoxRequest& request) override;
    void Beep(BeepKind kind) override { Beeps.push_back(kind); }

    std::deque<QMessageBox::StandardButton> Answers;
    std::vector<MessageBoxRequest> Requests;
    std::vector<BeepKind> Beeps;

private:
    ScopedMessageBoxAnswerer scope_;
};

}  // namespace kr::gui::test
