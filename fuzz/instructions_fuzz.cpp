// Feeds bytes as the installation-instruction file to the printout that
// reads it: its mark-up parsed and laid out on pages, pictures of any size
// placed. It must end its one job, never loop, and never leave the folders.
#include "core/data/language.h"
#include "core/print/instructions_print.h"
#include "fuzz_inputs.h"
#include "support/fuzz_files.h"
#include "support/null_canvas.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

int kr::fuzz::FeedInstructions(const std::uint8_t* data, std::size_t size)
{
    using namespace kr;
    if (size > 64 * 1024)
        return -1;
    static const LanguageTable texts(
        SplitLanguageLines("LANGUAGE=English\r\nInstallText=Install_Fuzz.txt\r\nInst Maint inst=Instructions"));
    const auto programDir = fuzz::ScratchDir();
    fuzz::WriteScratchFile(programDir / "Install_Fuzz.txt", std::string_view(reinterpret_cast<const char*>(data), size));

    const PrintContext context = fuzz::ContextWith(texts, programDir / "pictures");
    fuzz::NullCanvas canvas;
    const InstructionsPrint print = PrintInstallationInstructions(canvas, context, programDir);
    if (print.Outcome == InstructionsOutcome::NoInstructions || canvas.OpenDocuments() != 0 || print.Pages < 1)
        std::abort();
    (void)InstructionsPrintMessage(print, texts);
    return 0;
}
