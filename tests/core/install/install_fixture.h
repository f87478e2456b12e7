#pragma once

#include "../temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kr::test {

// Points HOME, the XDG folders and the settings file into a temporary
// folder for the life of the object, and restores them afterwards.
class TemporaryHome {
public:
    TemporaryHome()
    {
        for (const char* name : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "KRCOOL_REGISTRY"}) {
            const char* value = std::getenv(name);
            saved_[name] = value ? std::optional<std::string>(value) : std::nullopt;
        }
        std::filesystem::create_directories(Home() / "Desktop");
        Set("HOME", Home());
        Set("XDG_DATA_HOME", DataHome());
        Set("XDG_CONFIG_HOME", ConfigHome());
        Set("KRCOOL_REGISTRY", RegistryFile());
    }
    ~TemporaryHome()
    {
        for (const auto& [name, value] : saved_)
            value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
    }
    TemporaryHome(const TemporaryHome&) = delete;
    TemporaryHome& operator=(const TemporaryHome&) = delete;

    std::filesystem::path Home() const { return dir_ / "home"; }
    std::filesystem::path DataHome() const { return Home() / "data"; }
    std::filesystem::path ConfigHome() const { return Home() / "config"; }
    std::filesystem::path RegistryFile() const { return ConfigHome() / "KRCool.reg"; }
    std::filesystem::path Desktop() const { return Home() / "Desktop"; }

    static void Set(const char* name, const std::filesystem::path& value) { setenv(name, value.c_str(), 1); }

private:
    TempDir dir_;
    std::map<std::string, std::optional<std::string>> saved_;
};

inline void MakeReadOnly(const std::filesystem::path& file, bool program)
{
    using std::filesystem::perms;
    std::filesystem::permissions(file, program ? perms::owner_read | perms::owner_exec | perms::group_read |
                                                     perms::group_exec | perms::others_read | perms::others_exec
                                               : perms::owner_read | perms::group_read | perms::others_read);
}

// A distribution folder as the build makes it, write-protected as on a CD,
// with a few things the installation must leave alone.
class Distribution {
public:
    Distribution()
    {
        for (const char* program : {"KR_Oil_Coolers", "Setup", "krcool"})
            WriteFile(program, "#!/bin/sh\n", true);
        WriteFile("English.SPROG", "LANGUAGE=English\r\nFLAG=FlagEnglish.bmp\r\nINSTALL=English\r\n");
        WriteFile("Dansk.SPROG", "LANGUAGE=Dansk\r\nFLAG=FlagDansk.bmp\r\nINSTALL=Dansk\r\n");
        for (const char* file : {"FlagEnglish.bmp", "FlagDansk.bmp", "kalvorn.bmp", "KR100ACb.bmp", "KR100AC.DXF",
                                 "Krdata.dat", "Price.dat", "Help_English.html", "Install_English.txt",
                                 "KR_Oil_Coolers_48.png", "KR_Oil_Coolers.svg", "README.md", "notes.xyz"})
            WriteFile(file, std::string("contents of ") + file);
        WriteFile(".hidden.txt", "hidden");
        std::filesystem::create_directory(dir_ / "folder.txt");
        std::filesystem::create_directory(dir_ / "pricedisk");
        WriteFile("pricedisk/Price.dat", "price disk");
        std::filesystem::create_symlink(dir_ / "Krdata.dat", dir_ / "link.txt");
    }

    const std::filesystem::path& Path() const { return dir_.Path(); }

    void WriteFile(const std::string& name, const std::string& contents, bool program = false) const
    {
        const auto file = dir_.Write(name, contents);
        MakeReadOnly(file, program);
    }

private:
    TempDir dir_;
};

}  // namespace kr::test
