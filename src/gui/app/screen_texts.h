#pragma once

#include "core/common/delphi_format.h"
#include "core/data/language.h"
#include "core/data/text_keys.h"

#include <QString>

#include <filesystem>
#include <initializer_list>

namespace kr::gui {

// The text of a key as the windows show it; empty when the table lacks it.
QString Text(const LanguageTable& table, const TextKey& key);

// A pattern text filled with its arguments in the locale's format.
QString FormatText(const LanguageTable& table, const TextKey& key, std::initializer_list<FormatArg> args,
                   const FormatSettings& settings);

inline std::string ToUtf8(const QString& text)
{
    return text.toStdString();
}
inline QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// File names between Qt, the UTF-8 texts of core and std::filesystem.
inline std::filesystem::path PathOf(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}
inline std::filesystem::path PathOf(const QString& text)
{
    return std::filesystem::path(text.toStdU16String());
}
inline QString FromPath(const std::filesystem::path& path)
{
    return QString::fromStdU16String(path.u16string());
}

}  // namespace kr::gui
