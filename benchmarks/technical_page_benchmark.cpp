// Opening the technical-data screen as the user does after a search: the
// current cooler, the data sheet, the 1500-point sweep, both charts and the
// drawing, on the real window (offscreen).

#include "gui/app/app_state.h"
#include "gui/app/form_startmenu.h"
#include "gui/app/run_start.h"
#include "gui/present/technical_page.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

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

void BM_OpenTechnicalPage(benchmark::State& state)
{
    QTemporaryDir folder;
    const gui::StartEnvironment environment{QStringLiteral(KR_DIST_DIR "/KR_Oil_Coolers"), {},
                                            InstalledSettings(folder), QSize(1280, 1024)};
    gui::Startup started = gui::StartProgram(environment);
    gui::TFormStartmenu& window = *started.MainWindow;
    window.show();
    const gui::CalcTabControls& c = window.Calc;
    c.EditHeatReject->setText(QStringLiteral("10"));
    c.EditOilFlow->setText(QStringLiteral("80"));
    c.EditAmbientTemp->setText(QStringLiteral("30"));
    c.EditInletTemp->setText(QStringLiteral("60"));
    c.RadioButtonACDC->setChecked(true);
    window.zBitColBtnSearchClick();
    for (auto _ : state) {
        window.TechnicalScreen->zBitColBtnTDataClick(ResultTab::Calculation);
        QCoreApplication::processEvents();
    }
    state.counters["opened"] = started.State->CurrentCooler.IsChosen ? 1 : 0;
}
BENCHMARK(BM_OpenTechnicalPage)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kr::bench

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
