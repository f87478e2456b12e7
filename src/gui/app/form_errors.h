#pragma once

#include "core/data/language.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <functional>

class QLabel;
class QScrollArea;

namespace kr::gui {

class ColorButton;

// The lines of the error list as the dialog shows them: every line of the
// text broken to the available width; the pieces after the first of a line
// indented by seven blanks, so that they stand under the entry's text and
// not under its number.
QStringList WrapErrorLines(const QString& text, int availableWidth, const std::function<int(const QString&)>& width);

// The problems a check collected, in a scrolling, word-wrapped list.
class TFormErrors : public QDialog {
    Q_OBJECT
public:
    TFormErrors(QWidget* owner, const LanguageTable& texts);
    void SetErrorText(const QString& text);

    QScrollArea* ScrollBox1 = nullptr;
    QLabel* LabelText = nullptr;
    ColorButton* zGradBtnOK = nullptr;
};

// Shows the list (lines separated by CR LF) modally with the error beep and
// returns when the user closes it. owner: the main window.
void ShowErrorList(QWidget* owner, const LanguageTable& texts, const QString& text);

}  // namespace kr::gui
