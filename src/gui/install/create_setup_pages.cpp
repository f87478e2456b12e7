#include "gui/install/flag_button.h"
#include "gui/install/setup_controls.h"
#include "gui/widgets/app_style.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/panels.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>

#include <utility>

namespace kr::gui {

namespace {

// The wizard's client area is 480 x 420 pixels: the title panel on top and
// the pages below it.
constexpr QRect TitlePanelRect{0, 0, 480, 64};
constexpr QRect Title1Rect{16, 8, 448, 28};
constexpr QRect Title2Rect{16, 38, 448, 20};
constexpr int Title1Points = 16;
constexpr int Title2Points = 10;

// Page 0: columns of 160 pixels, rows of 86, a flag button centred at the
// top of its cell and its label below it.
constexpr int SlotWidth = 160;
constexpr int SlotHeight = 86;
constexpr int SlotTop = 8;
constexpr QSize FlagButtonSize{72, 46};
constexpr int FlagButtonTop = 4;
constexpr QRect SlotLabelRect{5, 54, 150, 28};

// Pages 1 to 3: a group box above a row of buttons.
constexpr QRect GroupRect{16, 12, 448, 270};
constexpr QSize NavigationButtonSize{102, 30};
constexpr int NavigationTop = 298;
constexpr int BackLeft = 130;
constexpr int NextLeft = 246;
constexpr int CancelLeft = 362;

// Page 1: a radio button with its explanation below it, three times.
constexpr int ChoiceTop = 30;
constexpr int ChoiceStep = 78;
constexpr QRect ChoiceRadioRect{16, 0, 416, 20};
constexpr QRect ChoiceLabelRect{36, 22, 396, 48};

// Pages 2 and 3: the folder with its browse button, then the choices.
constexpr QRect PlaceringLabelRect{16, 32, 416, 20};
constexpr QRect PlaceringEditRect{16, 56, 316, 26};
constexpr QRect PlaceringButtonRect{340, 54, 92, 30};
constexpr QRect SkrivebordRect{16, 110, 416, 22};
constexpr QRect MenuRect{16, 140, 416, 22};
constexpr QRect KopierRect{16, 170, 416, 22};

// Page 4.
constexpr QRect DoInstallLabelRect{16, 50, 448, 80};
constexpr QRect GaugeRect{40, 150, 400, 22};
constexpr QRect DoInstallButtonRect{180, 220, 120, 32};

template <class Control, class... Args>
Control* Make(QWidget* parent, const QString& name, const QRect& rect, Args&&... args)
{
    auto* control = new Control(parent, std::forward<Args>(args)...);
    control->setObjectName(name);
    control->setGeometry(rect);
    return control;
}

QString Numbered(const char* name, int number)
{
    return QString::fromLatin1(name) + QString::number(number);
}

QFont PointSized(QFont font, int points, bool bold)
{
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

// Back, Next and Cancel of page n, in Back's, Next's and Cancel's places.
SetupNavigation CreateNavigation(QWidget* page, int n)
{
    const auto at = [](int left) { return QRect(QPoint(left, NavigationTop), NavigationButtonSize); };
    SetupNavigation navigation;
    navigation.Back = Make<ColorButton>(page, Numbered("zColorBtnForrige", n), at(BackLeft), Glyph::Back);
    navigation.Next = Make<ColorButton>(page, Numbered("zColorBtnNaeste", n), at(NextLeft), Glyph::ArrowRight);
    navigation.Cancel = Make<ColorButton>(page, Numbered("zColorBtnAnnuller", n), at(CancelLeft), Glyph::Cancel);
    return navigation;
}

QRect ChoiceRect(const QRect& rect, int index)
{
    return rect.translated(0, ChoiceTop + index * ChoiceStep);
}

BigLabel* MakeBigLabel(QWidget* parent, const QString& name, const QRect& rect)
{
    auto* label = Make<BigLabel>(parent, name, rect);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

}  // namespace

SetupTitleControls CreateSetupTitle(QWidget* form)
{
    SetupTitleControls c;
    c.PanelTitle = Make<GradientPanel>(form, QStringLiteral("PanelTitle"), TitlePanelRect, look::GradientTop,
                                       look::GradientBottom);
    c.LabelTitle1 = Make<QLabel>(c.PanelTitle, QStringLiteral("LabelTitle1"), Title1Rect);
    c.LabelTitle1->setFont(PointSized(ProgramFont(), Title1Points, true));
    c.LabelTitle2 = Make<QLabel>(c.PanelTitle, QStringLiteral("LabelTitle2"), Title2Rect);
    c.LabelTitle2->setFont(PointSized(ProgramFont(), Title2Points, false));
    return c;
}

SetupLanguagePage CreateLanguagePage(QWidget* page)
{
    SetupLanguagePage c;
    c.TabSheetLanguage = page;
    for (int index = 0; index < FlagSlotCount; ++index) {
        const int slot = index + 1;
        const QPoint cell((index % FlagSlotColumns) * SlotWidth, SlotTop + (index / FlagSlotColumns) * SlotHeight);
        const QRect buttonRect(QPoint(cell.x() + (SlotWidth - FlagButtonSize.width()) / 2, cell.y() + FlagButtonTop),
                               FlagButtonSize);
        FlagButton* button = Make<FlagButton>(page, Numbered("zNWBitColBtn", slot), buttonRect);
        button->setProperty("Tag", slot);
        BigLabel* label = Make<BigLabel>(page, Numbered("zBigLabel", slot), SlotLabelRect.translated(cell));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        c.zNWBitColBtn[static_cast<std::size_t>(index)] = button;
        c.zBigLabel[static_cast<std::size_t>(index)] = label;
    }
    return c;
}

SetupChoicePage CreateChoicePage(QWidget* page)
{
    SetupChoicePage c;
    c.TabSheetIndstilValg = page;
    c.GroupBoxIndstilValg = Make<QGroupBox>(page, QStringLiteral("GroupBoxIndstilValg"), GroupRect);
    QGroupBox* group = c.GroupBoxIndstilValg;
    c.RadioButtonNormal = Make<QRadioButton>(group, QStringLiteral("RadioButtonNormal"), ChoiceRect(ChoiceRadioRect, 0));
    c.RadioButtonSpecial =
        Make<QRadioButton>(group, QStringLiteral("RadioButtonSpecial"), ChoiceRect(ChoiceRadioRect, 1));
    c.RadioButtonServer = Make<QRadioButton>(group, QStringLiteral("RadioButtonServer"), ChoiceRect(ChoiceRadioRect, 2));
    c.zBigLabelNormal = MakeBigLabel(group, QStringLiteral("zBigLabelNormal"), ChoiceRect(ChoiceLabelRect, 0));
    c.zBigLabelSpecial = MakeBigLabel(group, QStringLiteral("zBigLabelSpecial"), ChoiceRect(ChoiceLabelRect, 1));
    c.zBigLabelServer = MakeBigLabel(group, QStringLiteral("zBigLabelServer"), ChoiceRect(ChoiceLabelRect, 2));
    c.RadioButtonNormal->setChecked(true);
    c.Navigation = CreateNavigation(page, 1);
    return c;
}

SetupServerPage CreateServerPage(QWidget* page)
{
    SetupServerPage c;
    c.TabSheetServerValg = page;
    c.GroupBoxIndstilValg1 = Make<QGroupBox>(page, QStringLiteral("GroupBoxIndstilValg1"), GroupRect);
    QGroupBox* group = c.GroupBoxIndstilValg1;
    c.zBigLabelPlacering1 = MakeBigLabel(group, QStringLiteral("zBigLabelPlacering1"), PlaceringLabelRect);
    c.EditPlacering1 = Make<QLineEdit>(group, QStringLiteral("EditPlacering1"), PlaceringEditRect);
    c.zColorBtnPlacering1 = Make<ColorButton>(group, QStringLiteral("zColorBtnPlacering1"), PlaceringButtonRect);
    c.Navigation = CreateNavigation(page, 2);
    return c;
}

SetupSpecialPage CreateSpecialPage(QWidget* page)
{
    SetupSpecialPage c;
    c.TabSheetSpecialValg = page;
    c.GroupBoxIndstilValg2 = Make<QGroupBox>(page, QStringLiteral("GroupBoxIndstilValg2"), GroupRect);
    QGroupBox* group = c.GroupBoxIndstilValg2;
    c.zBigLabelPlacering2 = MakeBigLabel(group, QStringLiteral("zBigLabelPlacering2"), PlaceringLabelRect);
    c.EditPlacering2 = Make<QLineEdit>(group, QStringLiteral("EditPlacering2"), PlaceringEditRect);
    c.zColorBtnPlacering2 = Make<ColorButton>(group, QStringLiteral("zColorBtnPlacering2"), PlaceringButtonRect);
    c.CheckBoxSkrivebord = Make<QCheckBox>(group, QStringLiteral("CheckBoxSkrivebord"), SkrivebordRect);
    c.CheckBoxMenu = Make<QCheckBox>(group, QStringLiteral("CheckBoxMenu"), MenuRect);
    c.CheckBoxKopier = Make<QCheckBox>(group, QStringLiteral("CheckBoxKopier"), KopierRect);
    c.CheckBoxSkrivebord->setChecked(true);
    c.CheckBoxMenu->setChecked(true);
    c.CheckBoxKopier->setChecked(false);
    c.Navigation = CreateNavigation(page, 3);
    return c;
}

SetupDoInstallPage CreateDoInstallPage(QWidget* page)
{
    SetupDoInstallPage c;
    c.TabSheetDoInstall = page;
    c.zBigLabelDoInstall = Make<BigLabel>(page, QStringLiteral("zBigLabelDoInstall"), DoInstallLabelRect);
    c.zBigLabelDoInstall->setAlignment(Qt::AlignCenter);
    c.zGaugeDoInstall = Make<QProgressBar>(page, QStringLiteral("zGaugeDoInstall"), GaugeRect);
    c.zGaugeDoInstall->setRange(0, 1);
    c.zGaugeDoInstall->setValue(0);
    c.zColorBtnDoInstall = Make<ColorButton>(page, QStringLiteral("zColorBtnDoInstall"), DoInstallButtonRect, Glyph::Ok);
    c.zColorBtnDoInstall->setVisible(false);
    return c;
}

}  // namespace kr::gui
