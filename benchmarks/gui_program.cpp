#include "gui_program.h"

#include "gui/app/form_startmenu.h"

#include <QLineEdit>
#include <QRadioButton>

#include <fstream>

namespace kr::bench {

namespace {

// A settings file that says the program is installed with its pictures in
// the distribution folder, opening on the main screen.
std::filesystem::path InstalledSettings(const QTemporaryDir& folder)
{
    const std::filesystem::path file = std::filesystem::path(folder.path().toStdString()) / "KRCool.reg";
    std::ofstream out(file);
    out << "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Vossbridge\\Kalvorn\\KRCool]\n"
        << "\"Installed\"=dword:00000001\n\"Showmenu\"=dword:00000000\n\"Language\"=\"English\"\n"
        << "\"BitmapDir\"=\"" << KR_DIST_DIR << "/\"\n";
    return file;
}

}  // namespace

SearchedProgram::SearchedProgram()
    : started_(gui::StartProgram({QStringLiteral(KR_DIST_DIR "/KR_Oil_Coolers"), {}, InstalledSettings(folder_),
                                  QSize(1280, 1024)}))
{
    gui::TFormStartmenu& window = Window();
    window.show();
    const gui::CalcTabControls& c = window.Calc;
    c.EditHeatReject->setText(QStringLiteral("10"));
    c.EditOilFlow->setText(QStringLiteral("80"));
    c.EditAmbientTemp->setText(QStringLiteral("30"));
    c.EditInletTemp->setText(QStringLiteral("60"));
    c.RadioButtonACDC->setChecked(true);
    window.zBitColBtnSearchClick();
}

}  // namespace kr::bench
