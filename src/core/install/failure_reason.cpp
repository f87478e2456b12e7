#include "core/install/failure_reason.h"

#include <array>
#include <cerrno>

namespace kr {

namespace {

struct ReasonWords {
    std::errc error;
    const TextKey* key;
};

// The errors an installation meets in practice, by what the user can do
// about them.
constexpr std::array KnownReasons{
    ReasonWords{std::errc::no_space_on_device, &keys::ReasonDiskFull},
    ReasonWords{std::errc::file_too_large, &keys::ReasonFileTooLarge},
    ReasonWords{std::errc::permission_denied, &keys::ReasonPermissionDenied},
    ReasonWords{std::errc::operation_not_permitted, &keys::ReasonPermissionDenied},
    ReasonWords{std::errc::text_file_busy, &keys::ReasonProgramRunning},
    ReasonWords{std::errc::device_or_resource_busy, &keys::ReasonProgramRunning},
    ReasonWords{std::errc::read_only_file_system, &keys::ReasonReadOnly},
    ReasonWords{std::errc::no_such_file_or_directory, &keys::ReasonNotFound},
    ReasonWords{std::errc::is_a_directory, &keys::ReasonInTheWay},
    ReasonWords{std::errc::not_a_directory, &keys::ReasonInTheWay},
    ReasonWords{std::errc::file_exists, &keys::ReasonInTheWay},
};

// A full quota is a full disk to the user; not every system has it.
bool IsQuotaExceeded([[maybe_unused]] std::error_code reason)
{
#ifdef EDQUOT
    return reason.default_error_condition() == std::error_condition(EDQUOT, std::generic_category());
#else
    return false;
#endif
}

}  // namespace

const TextKey& FailureReasonKey(std::error_code reason)
{
    if (IsQuotaExceeded(reason))
        return keys::ReasonDiskFull;
    for (const ReasonWords& known : KnownReasons)
        if (reason == known.error)
            return *known.key;
    return keys::ReasonOther;
}

std::string FailureReasonText(const LanguageTable& texts, std::error_code reason, const FormatSettings& settings)
{
    const TextKey& key = FailureReasonKey(reason);
    if (key.Args.empty())
        return texts.Lookup(key.Key);
    return Format(texts.Lookup(key.Key), {FormatArg(reason.message())}, settings);
}

std::string FailureReasonText(const LanguageTable& texts, const FileWriteResult& failed,
                              const FormatSettings& settings)
{
    if (failed.code)
        return FailureReasonText(texts, failed.code, settings);
    return Format(texts.Lookup(keys::ReasonOther.Key), {FormatArg(failed.error)}, settings);
}

}  // namespace kr
