#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QTextBrowser;
class QWidget;

namespace kr::gui {

// The in-program help: a window of its own that shows the language's HTML
// help file at the anchor named by a topic id. One window per owner, reused
// for every topic and closed with its owner.
class HelpViewer : public QObject {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* owner);

    // The full path of the help file, which the language texts name, and
    // what the window says when the file is missing.
    void SetHelpFile(const QString& path, const QString& missingText)
    {
        helpFile_ = path;
        missingText_ = missingText;
    }
    const QString& HelpFile() const { return helpFile_; }

    // Opens the help file at the topic and brings the window to the front.
    void ShowTopic(const QString& topic);

    // The window's browser, or nullptr before the first topic.
    QTextBrowser* Browser() const;

private:
    void CreateWindow();

    QWidget* owner_;
    QString helpFile_;
    QString missingText_;
    QPointer<QWidget> window_;
    QTextBrowser* browser_ = nullptr;
};

}  // namespace kr::gui
