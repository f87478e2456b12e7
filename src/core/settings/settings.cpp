#include "core/settings/settings.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace kr {

namespace {

namespace name {
constexpr const char* Installed = "Installed";
constexpr const char* BitmapDir = "BitmapDir";
constexpr const char* ProgramDir = "ProgramDir";
constexpr const char* Showmenu = "Showmenu";
constexpr const char* Language = "Language";
constexpr const char* Width = "Width";
constexpr const char* Height = "Height";
constexpr const char* Left = "Left";
constexpr const char* Top = "Top";
constexpr const char* NameAddress = "NameAddress";
constexpr const char* UserName = "UserName";
constexpr const char* LeadTime = "LeadTime";
constexpr const char* Delivery = "Delivery";
constexpr const char* Payment = "Payment";
constexpr const char* NameOnPrint = "NameOnPrint";
constexpr const char* PricePct = "PricePct";
constexpr const char* AirFlow = "AirFlow";
constexpr const char* PresssureLoss = "PresssureLoss";
constexpr const char* Weight = "Weight";
constexpr const char* Volume = "Volume";
constexpr const char* ColWidth = "ColWidth";  // followed by the column number
}  // namespace name

const Settings Fallback{};

bool ReadBoolean(const RegistryStore& store, const char* valueName, bool fallback)
{
    const auto number = store.ReadDword(valueName);
    return number ? *number != 0 : fallback;
}

// Stored as 32 bits; negative positions (a window left of the primary
// screen) come back negative.
int ReadInteger(const RegistryStore& store, const char* valueName, int fallback)
{
    const auto number = store.ReadDword(valueName);
    return number ? static_cast<std::int32_t>(*number) : fallback;
}

std::string ReadText(const RegistryStore& store, const char* valueName, const std::string& fallback)
{
    auto read = store.ReadString(valueName);
    switch (read.status) {
    case StringRead::Status::Found: return std::move(read.text);
    case StringRead::Status::WrongType: return fallback;
    case StringRead::Status::Missing: break;
    }
    return {};
}

// Integer division toward zero; computed wide, since a damaged size may be
// any 32-bit number.
int CentredPosition(int screenSize, int windowSize)
{
    return static_cast<int>((static_cast<std::int64_t>(screenSize) - windowSize) / 2);
}

// Window bounds are kept within the 16-bit coordinates of the X window
// system, so a damaged value can never overflow when the window adds size
// to position.
constexpr int MaxWindowExtent = 32767;
constexpr int MinWindowCoordinate = -32768;
constexpr int MaxWindowCoordinate = 32767;

int WindowExtent(int read) { return std::clamp(read, 0, MaxWindowExtent); }
int WindowCoordinate(int read) { return std::clamp(read, MinWindowCoordinate, MaxWindowCoordinate); }

NamedRegistryValue Boolean(std::string valueName, bool value)
{
    return {std::move(valueName), std::uint32_t{value ? 1u : 0u}};
}

NamedRegistryValue Integer(std::string valueName, int value)
{
    return {std::move(valueName), static_cast<std::uint32_t>(value)};
}

NamedRegistryValue Text(std::string valueName, const std::string& value) { return {std::move(valueName), value}; }

}  // namespace

Settings ReadSettings(const RegistryStore& store, const std::string& appDir, int screenWidth,
                      int screenHeight)
{
    Settings settings;
    settings.BitmapDir = appDir;
    settings.Installed = ReadBoolean(store, name::Installed, Fallback.Installed);
    if (!settings.Installed) {
        settings.Left = CentredPosition(screenWidth, settings.Width);
        settings.Top = CentredPosition(screenHeight, settings.Height);
        return settings;
    }

    settings.BitmapDir = ReadText(store, name::BitmapDir, appDir);
    settings.ProgramDir = ReadText(store, name::ProgramDir, Fallback.ProgramDir);
    settings.Showmenu = ReadBoolean(store, name::Showmenu, Fallback.Showmenu);
    settings.LanguageName = ReadText(store, name::Language, Fallback.LanguageName);
    settings.Width = WindowExtent(ReadInteger(store, name::Width, Fallback.Width));
    settings.Height = WindowExtent(ReadInteger(store, name::Height, Fallback.Height));
    settings.Left =
        WindowCoordinate(ReadInteger(store, name::Left, CentredPosition(screenWidth, settings.Width)));
    settings.Top =
        WindowCoordinate(ReadInteger(store, name::Top, CentredPosition(screenHeight, settings.Height)));
    settings.NameAddress = ReadText(store, name::NameAddress, Fallback.NameAddress);
    settings.UserName = ReadText(store, name::UserName, Fallback.UserName);
    settings.LeadTime = ReadText(store, name::LeadTime, Fallback.LeadTime);
    settings.Delivery = ReadText(store, name::Delivery, Fallback.Delivery);
    settings.Payment = ReadText(store, name::Payment, Fallback.Payment);
    settings.NameOnPrint = ReadBoolean(store, name::NameOnPrint, Fallback.NameOnPrint);
    settings.PricePct = ReadInteger(store, name::PricePct, Fallback.PricePct);
    settings.AirFlow = ReadInteger(store, name::AirFlow, Fallback.AirFlow);
    settings.PresssureLoss = ReadInteger(store, name::PresssureLoss, Fallback.PresssureLoss);
    settings.Weight = ReadInteger(store, name::Weight, Fallback.Weight);
    settings.Volume = ReadInteger(store, name::Volume, Fallback.Volume);
    return settings;
}

bool ReadShowmenu(const RegistryStore& store)
{
    return ReadBoolean(store, name::Showmenu, Fallback.Showmenu);
}

FileWriteResult WriteOptions(RegistryStore& store, const Settings& settings)
{
    return store.Write({
        Text(name::Language, settings.LanguageName),
        Boolean(name::Showmenu, settings.Showmenu),
        Text(name::NameAddress, settings.NameAddress),
        Text(name::UserName, settings.UserName),
        Boolean(name::NameOnPrint, settings.NameOnPrint),
        Integer(name::PricePct, settings.PricePct),
        Text(name::LeadTime, settings.LeadTime),
        Text(name::Delivery, settings.Delivery),
        Text(name::Payment, settings.Payment),
        Integer(name::AirFlow, settings.AirFlow),
        Integer(name::PresssureLoss, settings.PresssureLoss),
        Integer(name::Weight, settings.Weight),
        Integer(name::Volume, settings.Volume),
    });
}

FileWriteResult WriteShowmenu(RegistryStore& store, bool showmenu)
{
    return store.Write({Boolean(name::Showmenu, showmenu)});
}

FileWriteResult WriteWindowBounds(RegistryStore& store, int left, int top, int width, int height,
                                  std::span<const int> columnWidths)
{
    RegistryValues values{
        Integer(name::Left, left),
        Integer(name::Top, top),
        Integer(name::Width, width),
        Integer(name::Height, height),
    };
    for (std::size_t column = 0; column < columnWidths.size(); ++column)
        values.push_back(Integer(name::ColWidth + std::to_string(column), columnWidths[column]));
    return store.Write(values);
}

FileWriteResult WriteInstallation(RegistryStore& store, const std::string& bitmapDir,
                                  const std::string& programDir, const std::string& languageName)
{
    return store.Write({
        Text(name::BitmapDir, bitmapDir),
        Text(name::ProgramDir, programDir),
        Boolean(name::Installed, true),
        Text(name::Language, languageName),
    });
}

}  // namespace kr
