#pragma once

#include <QDialog>

class QLabel;

namespace kr::gui {

class BigLabel;
class ColorButton;
class PictureBox;
class TFormStartmenu;

// The program's title, version and the maker's address.
class TFormAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFormAbout(TFormStartmenu& owner);

    PictureBox* zBitmap1 = nullptr;
    QLabel* LabelTitel = nullptr;
    QLabel* LabelVersion = nullptr;
    QLabel* LabelCopyright = nullptr;
    BigLabel* zBigLabelCopyRight = nullptr;
    ColorButton* ButtonOK = nullptr;
};

// Shows the about dialog modally, owned by and centred on the main window.
void RunAbout(TFormStartmenu& owner);

}  // namespace kr::gui
