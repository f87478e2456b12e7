#pragma once

#include "core/canvas/canvas.h"
#include "core/data/language.h"
#include "core/print/print_context.h"

#include <filesystem>
#include <string>

namespace kr {

enum class InstructionsOutcome {
    Printed,
    // The instructions file named by the print language cannot be read:
    // no job was started.
    NoInstructions,
    // A picture of the instructions cannot be read: the job ended on the
    // page it would have gone on, with everything before it printed.
    MissingPicture,
};

struct InstructionsPrint {
    InstructionsOutcome Outcome = InstructionsOutcome::Printed;
    std::string File;  // the instructions file, or the picture that is missing, as named in the texts
    int Pages = 0;     // pages of the job
};

// The installation and maintenance instructions: the text file of the print
// language (its "InstallText", in the program folder) printed line by line
// with its mark-up — "<B>" a heading, "<I>" an emphasised line, "<D>" a
// picture of the picture folder, an empty line a blank line, any other line
// running text — on numbered pages under a grey running head.
InstructionsPrint PrintInstallationInstructions(Canvas& canvas, const PrintContext& context,
                                                const std::filesystem::path& programDir);

// What to tell the user when the instructions were not printed whole, in the
// given (screen) language; empty when they were.
std::string InstructionsPrintMessage(const InstructionsPrint& print, const LanguageTable& texts);

}  // namespace kr
