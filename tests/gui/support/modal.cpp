#include "support/modal.h"

#include <QTimer>

namespace kr::gui::test {

namespace {
constexpr int PollMs = 5;
constexpr int GiveUpAfterPolls = 2000;
}  // namespace

void WhenModalShown(std::function<void(QWidget&)> action)
{
    auto* poll = new QTimer(qApp);
    auto polls = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, polls, action] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            action(*modal);
        } else if (++*polls > GiveUpAfterPolls) {
            poll->stop();
            poll->deleteLater();
        }
    });
    poll->start(PollMs);
}

}  // namespace kr::gui::test
