#include "core/engine/error_list.h"

#include <vector>

namespace kr {

ErrorList::ErrorList(const LanguageTable& language, const FormatSettings& settings)
    : language_(&language), settings_(settings)
{
}

void ErrorList::Add(const TextKey& key, std::initializer_list<FormatArg> arguments)
{
    ++count_;
    std::vector<FormatArg> all;
    all.reserve(arguments.size() + 1);
    all.emplace_back(count_);
    all.insert(all.end(), arguments.begin(), arguments.end());
    text_ += TryFormat(language_->Lookup(key.Key), all, settings_).Text;
    text_ += ErrorEntryEnd;
}

}  // namespace kr
