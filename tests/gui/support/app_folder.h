#pragma once

#include "core/settings/registry_store.h"
#include "gui/app/run_start.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <filesystem>
#include <string>

namespace kr::gui::test {

// A program folder of one test in a temporary directory, with the
// settings file beside it (named to the program by KRCOOL_REGISTRY).
class TestAppFolder {
public:
    TestAppFolder();

    // The folder with one trailing separator, as the program's AppDir.
    QString Dir() const;
    QString ProgramPath() const;
    std::filesystem::path RegistryFile() const;

    // Files of the built distribution folder.
    void CopyFromDistribution(const QStringList& names);
    // Languages, their flags, database, price file, logo and help files,
    // and the marker that the data folder can be reached.
    void CopyDistribution();
    void Write(const QString& name, const QByteArray& bytes);
    void Remove(const QString& name);

    // A settings file saying the program is installed with its pictures
    // here, in English, then the given values (which may replace those).
    void WriteInstalledSettings(const RegistryValues& values = {});
    RegistryStore Store() const { return RegistryStore(RegistryFile()); }

    // The start-up's surroundings for this folder.
    StartEnvironment Environment(const QStringList& arguments = {}) const;

private:
    QTemporaryDir temp_;
};

// The texts of a built language file, for comparing with what windows show.
std::string DistText(const QString& languageFile, std::string_view key);

// A registry value of either kind.
NamedRegistryValue Dword(const char* name, std::uint32_t value);
NamedRegistryValue String(const char* name, const std::string& text);

}  // namespace kr::gui::test
