#include "core/data/text_keys.h"
#include "gui/app/app_state.h"
#include "gui/app/screen_texts.h"
#include "gui/install/form_setup_language.h"
#include "gui/platform/qt_translations.h"
#include "gui/widgets/app_style.h"
#include "gui/widgets/color_button.h"
#include "gui/widgets/panels.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>

namespace kr::gui {

namespace {

// A caption with its hint; the control is known to screen readers by the caption.
void SetCaption(QAbstractButton& button, const QString& caption, const QString& hint)
{
    button.setText(caption);
    button.setAccessibleName(caption);
    SetHint(button, hint);
}

QString GroupCaption(const LanguageTable& texts, const TextKey* detail)
{
    QString caption = Text(texts, keys::ChoiceOfInstallation);
    if (detail)
        caption += QStringLiteral(" - ") + Text(texts, *detail);
    return QLatin1Char(' ') + caption + QLatin1Char(' ');
}

void ApplyNavigationTexts(const LanguageTable& texts, const SetupNavigation& navigation)
{
    SetCaption(*navigation.Back, QStringLiteral("<< ") + Text(texts, keys::Back), Text(texts, keys::HintBack));
    SetCaption(*navigation.Next, Text(texts, keys::Next) + QStringLiteral(" >>"), Text(texts, keys::HintNext));
    SetCaption(*navigation.Cancel, Text(texts, keys::Cancel), Text(texts, keys::HintCancel));
}

void ApplyPlaceringTexts(const LanguageTable& texts, BigLabel& label, QLineEdit& edit, ColorButton& browse)
{
    label.setText(Text(texts, keys::InstallationLocation));
    edit.setAccessibleName(label.text());
    SetCaption(browse, Text(texts, keys::Browse), Text(texts, keys::HintBrowse));
}

}  // namespace

void TFormSetupLanguage::ApplyTexts()
{
    const LanguageTable& texts = state_.Texts();
    // The folder dialog and the message boxes speak the chosen language too.
    UseQtTranslations(texts);
    Title.LabelTitle1->setText(Text(texts, keys::KrCoolers));
    Title.LabelTitle2->setText(Text(texts, keys::KestrelRangeOilCoolers));

    Choice.GroupBoxIndstilValg->setTitle(GroupCaption(texts, nullptr));
    SetCaption(*Choice.RadioButtonNormal, Text(texts, keys::Standard), Text(texts, keys::HintStandard));
    SetCaption(*Choice.RadioButtonSpecial, Text(texts, keys::Customised), Text(texts, keys::HintCustomised));
    SetCaption(*Choice.RadioButtonServer, Text(texts, keys::Server), Text(texts, keys::HintServer));
    Choice.zBigLabelNormal->setText(Text(texts, keys::RecommendedToMostUsers));
    Choice.zBigLabelSpecial->setText(Text(texts, keys::EnablesToChooseComponents));
    Choice.zBigLabelServer->setText(Text(texts, keys::CreatesACopyOfTheCdRom));
    ApplyNavigationTexts(texts, Choice.Navigation);

    Server.GroupBoxIndstilValg1->setTitle(GroupCaption(texts, &keys::Server));
    ApplyPlaceringTexts(texts, *Server.zBigLabelPlacering1, *Server.EditPlacering1, *Server.zColorBtnPlacering1);
    ApplyNavigationTexts(texts, Server.Navigation);

    Special.GroupBoxIndstilValg2->setTitle(GroupCaption(texts, &keys::Customised));
    ApplyPlaceringTexts(texts, *Special.zBigLabelPlacering2, *Special.EditPlacering2, *Special.zColorBtnPlacering2);
    SetCaption(*Special.CheckBoxSkrivebord, Text(texts, keys::CreatesIconInDesktop),
               Text(texts, keys::HintCreatesIconInDesktop));
    SetCaption(*Special.CheckBoxMenu, Text(texts, keys::CreateMenuInProgram), Text(texts, keys::HintCreateMenuInProgram));
    SetCaption(*Special.CheckBoxKopier, Text(texts, keys::CopyFiles), Text(texts, keys::HintCopyFiles));
    ApplyNavigationTexts(texts, Special.Navigation);

    DoInstall.zBigLabelDoInstall->setText(Text(texts, keys::InstallNow));
    DoInstall.zGaugeDoInstall->setAccessibleName(Text(texts, keys::InstallNow));
    SetCaption(*DoInstall.zColorBtnDoInstall, Text(texts, keys::SetupOk), Text(texts, keys::HintSetupOk));
}

}  // namespace kr::gui
