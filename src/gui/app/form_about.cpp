#include "gui/app/form_about.h"

#include "core/data/text_keys.h"
#include "gui/app/app_state.h"
#include "gui/app/create_controls.h"
#include "gui/app/dialog_support.h"
#include "gui/app/form_startmenu.h"
#include "gui/app/screen_texts.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/panels.h"
#include "gui/widgets/picture_box.h"

#include <QLabel>

namespace kr::gui {

namespace {
constexpr QSize ClientSize{292, 238};
constexpr int BottomPanelHeight = 42;
constexpr QSize OkButtonSize{96, 26};
}  // namespace

TFormAbout::TFormAbout(TFormStartmenu& owner) : QDialog(&owner, FixedDialogFlags)
{
    setObjectName(QStringLiteral("FormAbout"));
    setFixedSize(ClientSize);
    const AppState& state = owner.State();
    const LanguageTable& texts = state.Texts();

    auto* panel = MakeControl<GradientPanel>(this, "Panel1");
    panel->setGeometry(0, 0, ClientSize.width(), ClientSize.height() - BottomPanelHeight);
    zBitmap1 = MakeControl<PictureBox>(panel, "zBitmap1", PictureBox::Placement::Fit);
    zBitmap1->setGeometry(46, 8, 200, 91);
    zBitmap1->SetPixmap(LoadLogo(state));
    LabelTitel = MakeControl<QLabel>(panel, "LabelTitel");
    LabelTitel->setGeometry(8, 104, 276, 20);
    QFont titleFont = LabelTitel->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 3);
    LabelTitel->setFont(titleFont);
    LabelVersion = MakeControl<QLabel>(panel, "LabelVersion");
    LabelVersion->setGeometry(8, 126, 276, 16);
    LabelCopyright = MakeControl<QLabel>(panel, "LabelCopyright");
    LabelCopyright->setGeometry(8, 146, 276, 16);
    zBigLabelCopyRight = MakeControl<BigLabel>(panel, "zBigLabelCopyRight");
    zBigLabelCopyRight->setGeometry(8, 162, 276, 32);
    for (QLabel* label : {LabelTitel, LabelVersion, LabelCopyright, static_cast<QLabel*>(zBigLabelCopyRight)})
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto* bottom = MakeControl<BevelFrame>(this, "Panel2", BevelFrame::Bevel::Raised);
    bottom->setGeometry(0, ClientSize.height() - BottomPanelHeight, ClientSize.width(), BottomPanelHeight);
    ButtonOK = MakeControl<ColorButton>(bottom, "ButtonOK", Glyph::Ok);
    ButtonOK->setGeometry((ClientSize.width() - OkButtonSize.width()) / 2, (BottomPanelHeight - OkButtonSize.height()) / 2,
                          OkButtonSize.width(), OkButtonSize.height());
    ButtonOK->setDefault(true);
    connect(ButtonOK, &QAbstractButton::clicked, this, &QDialog::accept);

    setWindowTitle(Text(texts, keys::About));
    LabelTitel->setText(Text(texts, keys::KrOilCoolers));
    LabelVersion->setText(Text(texts, keys::Version));
    LabelCopyright->setText(Text(texts, keys::KalvornGroup));
    zBigLabelCopyRight->setText(Text(texts, keys::Address) + QStringLiteral(", ") + Text(texts, keys::Post) +
                                QStringLiteral("\n") + Text(texts, keys::Country));
    ButtonOK->setText(Text(texts, keys::Ok));
    ButtonOK->setAccessibleName(ButtonOK->text());
    CentreOnOwner(*this, owner);
}

void RunAbout(TFormStartmenu& owner)
{
    TFormAbout about(owner);
    about.exec();
}

}  // namespace kr::gui
