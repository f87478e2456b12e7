#include "core/install/failure_reason.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace kr {
namespace {

// What the user reads for the errors an installation meets, in the shipped
// English words, and the system's own words for the rest.
TEST(FailureReason, EachSystemErrorGetsTheWordsOfWhatTheUserCanDo)
{
    const LanguageList languages = LoadLanguageList(KR_SOURCE_DIR "/data/lang");
    const Language* english = FindLanguage(languages, "English");
    ASSERT_TRUE(english);
    const struct {
        std::error_code reason;
        std::string text;
    } cases[] = {
        {{ENOSPC, std::generic_category()}, "The disk is full."},
        {{EDQUOT, std::generic_category()}, "The disk is full."},
        {{ENOSPC, std::system_category()}, "The disk is full."},
        {{EACCES, std::generic_category()}, "You have no permission to write there."},
        {{EPERM, std::generic_category()}, "You have no permission to write there."},
        {{ETXTBSY, std::generic_category()}, "A program of that name is running: close the running program first."},
        {{EROFS, std::generic_category()}, "The target drive is read-only."},
        {{ENOTDIR, std::generic_category()}, "A file or folder of that name is in the way."},
        {{EIO, std::generic_category()}, "The system reports: " + std::error_code(EIO, std::generic_category()).message()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FailureReasonText(english->Table, c.reason, {}), c.text) << c.reason.message();
}

}  // namespace
}  // namespace kr
