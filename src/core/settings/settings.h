#pragma once

#include "core/settings/registry_store.h"

#include <span>
#include <string>

namespace kr {

// The program's settings, one member per stored value ("Language" is held
// in LanguageName). The member initialisers are the values that hold when
// nothing can be read.
struct Settings {
    bool Installed = false;
    std::string BitmapDir;   // folder of drawings and printout pictures
    std::string ProgramDir;  // where the program was installed; not used by it
    bool Showmenu = true;
    std::string LanguageName = "English";
    int Width = 600;
    int Height = 400;
    int Left = 0;
    int Top = 0;
    std::string NameAddress;  // several lines joined by CR LF
    std::string UserName;
    std::string LeadTime;
    std::string Delivery;
    std::string Payment;
    bool NameOnPrint = false;
    int PricePct = 0;
    int AirFlow = 0;        // display unit indices
    int PresssureLoss = 0;
    int Weight = 0;
    int Volume = 0;

    bool operator==(const Settings&) const = default;
};

// The settings as start-up reads them. Each value is read on its own: a
// boolean or integer that is missing or not stored as a 32-bit integer takes
// its fallback; a missing text reads as the empty text, a text stored with
// another type takes its fallback. While "Installed" is not true nothing
// else is read and BitmapDir is appDir. Left and Top fall back to centring
// the window of the Width and Height read on the screen. The window's bounds
// are held to what a screen can show: sizes 0 to 32767, positions -32768 to
// 32767.
Settings ReadSettings(const RegistryStore& store, const std::string& appDir, int screenWidth,
                      int screenHeight);

// "Showmenu" alone, as the options dialog reads it again when it opens.
bool ReadShowmenu(const RegistryStore& store);

// Each writer saves its values in one atomic replacement of the file.
FileWriteResult WriteOptions(RegistryStore& store, const Settings& settings);
FileWriteResult WriteShowmenu(RegistryStore& store, bool showmenu);
// "Left", "Top", "Width", "Height", then "ColWidth0", "ColWidth1", ...
FileWriteResult WriteWindowBounds(RegistryStore& store, int left, int top, int width, int height,
                                  std::span<const int> columnWidths);
// What a completed installation records; "Installed" becomes true.
FileWriteResult WriteInstallation(RegistryStore& store, const std::string& bitmapDir,
                                  const std::string& programDir, const std::string& languageName);

}  // namespace kr
