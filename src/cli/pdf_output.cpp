#include "cli/pdf_output.h"

#include "cli/options.h"
#include "core/common/delphi_format.h"
#include "core/data/text_keys.h"
#include "core/install/failure_reason.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>

namespace kr::cli {

namespace {

constexpr const char* PlatformVariable = "QT_QPA_PLATFORM";
constexpr const char* OffscreenPlatform = "offscreen";

// Qt's fonts and painting need a GUI application. It is made on first use
// and lives as long as the process: Qt keeps its font database with it, and
// tests print many documents in one process.
void StartGuiApplication()
{
    if (QCoreApplication::instance() != nullptr)
        return;
    if (qEnvironmentVariableIsEmpty(PlatformVariable))
        qputenv(PlatformVariable, QByteArray(OffscreenPlatform));
    static int argc = 1;
    static char name[] = "krcool";
    static char* argv[] = {name, nullptr};
    // Never deleted: it ends with the process.
    static const QGuiApplication* const application = new QGuiApplication(argc, argv);
    (void)application;
}

std::string FileText(const std::filesystem::path& file)
{
    const std::u8string text = file.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace

int WritePdfDocument(const gui::PrintJob& job, const std::filesystem::path& file, const LanguageTable& texts,
                     const FormatSettings& format, std::ostream& err)
{
    StartGuiApplication();
    const gui::PdfDocument pdf = gui::DrawPdfDocument(job, gui::DefaultPdfPageLayout());
    if (!pdf.Message.isEmpty()) {
        err << "krcool: " << pdf.Message.toStdString() << '\n';
        return FailureExitCode;
    }
    if (pdf.Bytes.isEmpty()) {
        err << "krcool: the printout printed nothing\n";
        return FailureExitCode;
    }
    const FileWriteResult written = gui::WritePdfFile(file, pdf.Bytes);
    if (written.Ok())
        return 0;
    err << "krcool: "
        << Format(texts.Lookup(keys::ErrorPdfFile.Key), {FileText(file), FailureReasonText(texts, written, format)},
                  format)
        << '\n';
    return FailureExitCode;
}

}  // namespace kr::cli
