#include "core/data/language.h"

#include "doc_files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kr {
namespace {

// The program finds its help and instructions by the names that each language
// file gives; a name without its file leaves a help button or a printout empty.
TEST(LanguageFiles, NameHelpAndInstructionFilesThatExist)
{
    const LanguageList languages = LoadLanguageList(test::LanguageDir);
    if (languages.empty()) {
        GTEST_SKIP() << "no language files in " << test::LanguageDir;
    }
    for (const Language& language : languages) {
        const std::string help = language.Table.Lookup("HelpFile");
        const std::string instructions = language.Table.Lookup("InstallText");
        EXPECT_FALSE(help.empty()) << language.File;
        EXPECT_FALSE(instructions.empty()) << language.File;
        EXPECT_TRUE(std::filesystem::is_regular_file(test::HelpDir / help)) << language.File << ": " << help;
        EXPECT_TRUE(std::filesystem::is_regular_file(test::InstructionsDir / instructions))
            << language.File << ": " << instructions;
    }
}

}  // namespace
}  // namespace kr
