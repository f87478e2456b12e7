#pragma once

#include "core/settings/atomic_file.h"
#include "core/settings/registry_value.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace kr {

// A string value as read: missing, stored with another type, or found.
struct StringRead {
    enum class Status { Missing, WrongType, Found };

    Status status = Status::Missing;
    std::string text;  // the value when found
};

// The program's settings: named, typed values kept in one settings file
// (see reg_file_format.h for its syntax). Value names compare ignoring case.
//
// Reading never fails: a missing, unreadable or damaged file gives the
// values that could be read, possibly none. Every change is saved at once
// by replacing the whole file atomically; it starts from the file as it is
// then, so values that another running copy of the program saved in the
// meantime are kept.
class RegistryStore {
public:
    explicit RegistryStore(std::filesystem::path file);

    const std::filesystem::path& FilePath() const { return file_; }
    const RegistryValues& Values() const { return values_; }

    // Reads the file again; when it exists but cannot be read, the values
    // in memory stay.
    void Reload();

    const RegistryValue* Find(std::string_view name) const;
    // Only a value stored as a 32-bit integer.
    std::optional<std::uint32_t> ReadDword(std::string_view name) const;
    StringRead ReadString(std::string_view name) const;

    // Sets the values in the order given (a new name is appended, a known
    // one keeps its place) and saves. When saving fails the values stay set
    // in memory and the result tells why. A name that is empty or holds a
    // control character cannot be stored; then nothing changes.
    FileWriteResult Write(const RegistryValues& changes);
    FileWriteResult Delete(std::string_view name);

private:
    FileWriteResult Save() const;

    std::filesystem::path file_;
    RegistryValues values_;
};

}  // namespace kr
