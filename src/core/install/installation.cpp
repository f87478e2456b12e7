#include "core/install/installation.h"

#include "core/install/desktop_entry.h"
#include "core/install/install_file_list.h"
#include "core/install/install_locations.h"
#include "core/install/program_icon.h"
#include "core/install/target_directory.h"
#include "core/settings/settings.h"

namespace kr {

namespace fs = std::filesystem;

namespace {

// What a Standard installation does, whatever the Customised page holds.
InstallChoice EffectiveChoice(const InstallChoice& choice)
{
    InstallChoice effective = choice;
    if (choice.Kind == InstallKind::Standard) {
        effective.DesktopShortcut = true;
        effective.MenuShortcut = true;
        effective.CopyPictures = false;
    }
    return effective;
}

InstallFileList FilesToCopy(const InstallChoice& choice, const LanguageList& languages)
{
    if (choice.Kind == InstallKind::Server)
        return BuildServerFileList(choice.AppDir);
    return BuildInstallFileList(choice.AppDir, languages, choice.CopyPictures);
}

// The icon comes from the installation folder, where the file list has
// copied it; an entry without a resolvable icon names none.
void CreateShortcuts(const InstallChoice& choice, const ShortcutFolders& shortcuts)
{
    if (!choice.DesktopShortcut && !choice.MenuShortcut)
        return;
    const bool withIcon = InstallProgramIcon(choice.InstallDir, shortcuts.IconTheme);
    const std::string_view iconName = withIcon ? ProgramIconName : std::string_view();
    if (choice.DesktopShortcut)
        CreateDesktopShortcut(shortcuts.Desktop, choice.InstallDir, iconName);
    if (choice.MenuShortcut)
        CreateMenuShortcut(shortcuts.Menu, choice.InstallDir, iconName);
}

FileWriteResult RecordInstallation(const InstallChoice& choice, RegistryStore& store)
{
    const std::string bitmapDir =
        WithTrailingSeparator(choice.CopyPictures ? choice.InstallDir : choice.AppDir);
    return WriteInstallation(store, bitmapDir, WithTrailingSeparator(choice.InstallDir), choice.LanguageName);
}

}  // namespace

ShortcutFolders UserShortcutFolders()
{
    return {DesktopDir(), MenuDir(), IconThemeDir()};
}

InstallOutcome RunInstallation(const InstallChoice& requested, const LanguageList& languages,
                               const ShortcutFolders& shortcuts, RegistryStore& store, const CopyProgress& progress)
{
    const InstallChoice choice = EffectiveChoice(requested);
    const InstallFileList files = FilesToCopy(choice, languages);

    if (IsSameFolder(choice.AppDir, choice.InstallDir))
        return {InstallStatus::SameFolder, choice.InstallDir, {}};
    if (const std::error_code failed = PrepareTargetDirectory(choice.InstallDir))
        return {InstallStatus::DirectoryFailed, choice.InstallDir, failed};
    const CopyResult copied = CopyInstallFiles(choice.AppDir, files, choice.InstallDir, progress);
    if (!copied.Ok)
        return {InstallStatus::CopyFailed, copied.FailedTarget, copied.Reason};
    if (choice.Kind == InstallKind::Server)
        return {};

    if (const FileWriteResult saved = RecordInstallation(choice, store); !saved.Ok())
        return {InstallStatus::SettingsFailed, store.FilePath(), saved.code};
    CreateShortcuts(choice, shortcuts);
    return {};
}

}  // namespace kr
