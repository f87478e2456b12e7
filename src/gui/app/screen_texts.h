#pragma once

#include "core/common/delphi_format.h"
#include "core/data/language.h"
#include "core/data/text_keys.h"

#include <QString>

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

}  // namespace kr::gui
