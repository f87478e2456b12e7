#include "support/recording_answerer.h"

namespace kr::gui::test {

QMessageBox::StandardButton RecordingAnswerer::Answer(const MessageBoxRequest& request)
{
    Requests.push_back(request);
    if (!Answers.empty()) {
        const QMessageBox::StandardButton answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    return request.DefaultButton != QMessageBox::NoButton ? request.DefaultButton : QMessageBox::Ok;
}

}  // namespace kr::gui::test
