#pragma once

#include "core/common/delphi_format.h"
#include "core/data/language.h"
#include "core/data/text_keys.h"
#include "core/settings/atomic_file.h"

#include <string>
#include <system_error>

namespace kr {

// The text key that tells the user, in words of the chosen language, why a
// file or folder could not be written: the disk is full, permission is
// denied, a program of that name is running, ... Reasons without words of
// their own take "Reason other" with the system's text.
const TextKey& FailureReasonKey(std::error_code reason);

// That text, ready to show.
std::string FailureReasonText(const LanguageTable& texts, std::error_code reason, const FormatSettings& settings);

// Why a file write failed: the words of its system reason, or, when the
// system gave none, "Reason other" with the write's own message.
std::string FailureReasonText(const LanguageTable& texts, const FileWriteResult& failed,
                              const FormatSettings& settings);

}  // namespace kr
