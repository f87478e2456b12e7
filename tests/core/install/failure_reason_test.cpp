#include "core/install/failure_reason.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace kr {
namespace {

TEST(FailureReason, EachSystemErrorGetsTheWordsOfWhatTheUserCanDo)
{
    const struct {
        int error;
        const TextKey& key;
    } cases[] = {
        {ENOSPC, keys::ReasonDiskFull},        {EDQUOT, keys::ReasonDiskFull},
        {EFBIG, keys::ReasonFileTooLarge},     {EACCES, keys::ReasonPermissionDenied},
        {EPERM, keys::ReasonPermissionDenied}, {ETXTBSY, keys::ReasonProgramRunning},
        {EROFS, keys::ReasonReadOnly},         {ENOENT, keys::ReasonNotFound},
        {EISDIR, keys::ReasonInTheWay},        {ENOTDIR, keys::ReasonInTheWay},
        {EIO, keys::ReasonOther},              {0, keys::ReasonOther},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FailureReasonKey(std::error_code(c.error, std::generic_category())).Key, c.key.Key) << c.error;
    // Codes of the system's own category name the same conditions.
    EXPECT_EQ(FailureReasonKey(std::error_code(ENOSPC, std::system_category())).Key, keys::ReasonDiskFull.Key);
}

TEST(FailureReason, TheShippedWordsAndTheSystemsOwnWhereThereAreNone)
{
    const LanguageList languages = LoadLanguageList(KR_SOURCE_DIR "/data/lang");
    const Language* english = FindLanguage(languages, "English");
    ASSERT_TRUE(english);
    const FormatSettings format;
    EXPECT_EQ(FailureReasonText(english->Table, std::make_error_code(std::errc::no_space_on_device), format),
              "The disk is full.");
    EXPECT_EQ(FailureReasonText(english->Table, std::make_error_code(std::errc::text_file_busy), format),
              "A program of that name is running: close the running program first.");
    EXPECT_EQ(FailureReasonText(english->Table, std::make_error_code(std::errc::io_error), format),
              "The system reports: " + std::make_error_code(std::errc::io_error).message());
}

}  // namespace
}  // namespace kr
