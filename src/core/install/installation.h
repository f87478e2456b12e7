#pragma once

#include "core/data/language.h"
#include "core/install/copy_install_files.h"
#include "core/settings/registry_store.h"

#include <filesystem>
#include <string>
#include <system_error>

namespace kr {

enum class InstallKind {
    Standard,    // the program to the default folder, both shortcuts, pictures stay at the source
    Customised,  // folder, shortcuts and pictures as chosen
    Server,      // a copy of every file of the source, to run the installation again from there
};

struct InstallChoice {
    InstallKind Kind = InstallKind::Standard;
    std::filesystem::path AppDir;      // the source: the folder the program runs from
    std::filesystem::path InstallDir;  // the target folder
    // Only a Customised installation reads these three.
    bool DesktopShortcut = true;
    bool MenuShortcut = true;
    bool CopyPictures = false;
    std::string LanguageName;  // the chosen language's "LANGUAGE" text, recorded in the settings
};

// Where the shortcuts and the icon they show go.
struct ShortcutFolders {
    std::filesystem::path Desktop;
    std::filesystem::path Menu;
    std::filesystem::path IconTheme;
};

// The user's desktop, menu and icon theme folders.
ShortcutFolders UserShortcutFolders();

enum class InstallStatus {
    Installed,
    SameFolder,       // the target is the folder the program runs from; nothing was touched
    DirectoryFailed,  // the target folder could not be created
    CopyFailed,       // a file could not be copied; the files before it stay
    SettingsFailed,   // everything was copied, the settings could not be saved; no shortcut was made
};

struct InstallOutcome {
    InstallStatus Status = InstallStatus::Installed;
    std::filesystem::path FailedPath;  // the target folder, the file that could not be copied, or the settings file
    std::error_code Reason;            // why, as the system said
};

// Runs one installation from start to end: lists the files, checks the
// target folder, copies, and for Standard and Customised records the
// installation in the settings and then makes the shortcuts, with the
// program icon put into the icon theme. The settings are written only
// after every file was copied, and the shortcuts only after the settings:
// a shortcut to a program the settings do not know as installed would
// start the wizard again. A missing shortcut is no failure. progress hears
// of every file copied.
InstallOutcome RunInstallation(const InstallChoice& choice, const LanguageList& languages,
                               const ShortcutFolders& shortcuts, RegistryStore& store, const CopyProgress& progress);

}  // namespace kr
