#include "gui/app/screen_texts.h"

namespace kr::gui {

QString Text(const LanguageTable& table, const TextKey& key)
{
    if (key.Key.empty())
        return {};
    return FromUtf8(table.Lookup(key.Key));
}

QString FormatText(const LanguageTable& table, const TextKey& key, std::initializer_list<FormatArg> args,
                   const FormatSettings& settings)
{
    return FromUtf8(Format(table.Lookup(key.Key), args, settings));
}

}  // namespace kr::gui
