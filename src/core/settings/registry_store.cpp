#include "core/settings/registry_store.h"

#include "core/common/text_case.h"
#include "core/settings/reg_file_format.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace kr {

namespace fs = std::filesystem;

namespace {

// The file's text, or nothing when it exists but cannot be read.
std::optional<std::string> ReadFileText(const fs::path& file)
{
    std::error_code ec;
    if (!fs::exists(file, ec))
        return ec ? std::nullopt : std::optional<std::string>(std::string());
    if (!fs::is_regular_file(file, ec))
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return std::move(text).str();
}

template <typename Values>  // RegistryValues, const or not
auto FindByName(Values& values, std::string_view name)
{
    return std::find_if(values.begin(), values.end(),
                        [&](const NamedRegistryValue& v) { return SameText(v.name, name); });
}

}  // namespace

RegistryStore::RegistryStore(fs::path file) : file_(std::move(file)) { Reload(); }

void RegistryStore::Reload()
{
    if (const auto text = ReadFileText(file_))
        values_ = ParseRegFile(*text);
}

const RegistryValue* RegistryStore::Find(std::string_view name) const
{
    const auto found = FindByName(values_, name);
    return found == values_.end() ? nullptr : &found->value;
}

std::optional<std::uint32_t> RegistryStore::ReadDword(std::string_view name) const
{
    const RegistryValue* value = Find(name);
    if (const auto* number = value ? std::get_if<std::uint32_t>(value) : nullptr)
        return *number;
    return std::nullopt;
}

StringRead RegistryStore::ReadString(std::string_view name) const
{
    const RegistryValue* value = Find(name);
    if (!value)
        return {};
    if (const auto* text = std::get_if<std::string>(value))
        return {StringRead::Status::Found, *text};
    return {StringRead::Status::WrongType, {}};
}

FileWriteResult RegistryStore::Write(const RegistryValues& changes)
{
    for (const auto& change : changes)
        if (!IsWritableValueName(change.name))
            return {"The setting name \"" + change.name + "\" cannot be stored in \"" + file_.string() + "\"."};
    Reload();
    for (const auto& change : changes) {
        const auto known = FindByName(values_, change.name);
        if (known != values_.end())
            known->value = change.value;
        else
            values_.push_back(change);
    }
    return Save();
}

FileWriteResult RegistryStore::Delete(std::string_view name)
{
    Reload();
    const auto known = FindByName(values_, name);
    if (known == values_.end())
        return {};
    values_.erase(known);
    return Save();
}

FileWriteResult RegistryStore::Save() const { return ReplaceFileAtomically(file_, FormatRegFile(values_)); }

}  // namespace kr
