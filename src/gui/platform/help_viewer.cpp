#include "gui/platform/help_viewer.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

namespace kr::gui {

namespace {
constexpr int HelpWindowWidth = 640;
constexpr int HelpWindowHeight = 560;
}  // namespace

HelpViewer::HelpViewer(QWidget* owner) : QObject(owner), owner_(owner) {}

QTextBrowser* HelpViewer::Browser() const
{
    return window_ ? browser_ : nullptr;
}

void HelpViewer::CreateWindow()
{
    window_ = new QWidget(owner_, Qt::Window);
    window_->setObjectName(QStringLiteral("HelpWindow"));
    window_->setAttribute(Qt::WA_DeleteOnClose);
    window_->resize(HelpWindowWidth, HelpWindowHeight);
    browser_ = new QTextBrowser(window_);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(window_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    connect(browser_, &QTextBrowser::sourceChanged, window_, [this] {
        window_->setWindowTitle(browser_->documentTitle());
    });
}

void HelpViewer::ShowTopic(const QString& topic)
{
    if (!window_)
        CreateWindow();
    const QFileInfo file(helpFile_);
    if (file.isFile()) {
        QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
        url.setFragment(topic);
        browser_->setSource(url);
    } else {
        // A broken installation; say which file is missing rather than
        // show an empty window.
        browser_->setPlainText(missingText_);
        window_->setWindowTitle(file.fileName());
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

}  // namespace kr::gui
