#include "support/app_folder.h"

#include "core/data/language.h"
#include "core/settings/registry_path.h"
#include "gui/platform/program_files.h"

#include <QDir>
#include <QFile>

namespace kr::gui::test {

namespace {

const QString DistDir = QStringLiteral(KR_DIST_DIR);
const QString SettingsFileName = QStringLiteral("settings/KRCool.reg");

}  // namespace

TestAppFolder::TestAppFolder()
{
    QDir(temp_.path()).mkpath(QStringLiteral("program"));
}

QString TestAppFolder::Dir() const
{
    return temp_.path() + QStringLiteral("/program/");
}

QString TestAppFolder::ProgramPath() const
{
    return Dir() + ExecutableFileName(MainProgramName);
}

std::filesystem::path TestAppFolder::RegistryFile() const
{
    return std::filesystem::path(temp_.path().toStdString()) / SettingsFileName.toStdString();
}

void TestAppFolder::CopyFromDistribution(const QStringList& names)
{
    for (const QString& name : names) {
        QFile::remove(Dir() + name);
        QFile::copy(QDir(DistDir).filePath(name), Dir() + name);
    }
}

void TestAppFolder::CopyDistribution()
{
    QStringList names = QDir(DistDir).entryList({QStringLiteral("*.SPROG"), QStringLiteral("Flag*.bmp"),
                                                 QStringLiteral("Help_*.html")},
                                                QDir::Files);
    names << QStringLiteral("Krdata.dat") << QStringLiteral("Price.dat") << QStringLiteral("kalvorn.bmp");
    CopyFromDistribution(names);
    Write(ExecutableFileName(MainProgramName), "marker");
}

void TestAppFolder::Write(const QString& name, const QByteArray& bytes)
{
    QFile file(Dir() + name);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

void TestAppFolder::Remove(const QString& name)
{
    QFile::remove(Dir() + name);
}

void TestAppFolder::WriteInstalledSettings(const RegistryValues& values)
{
    RegistryStore store(RegistryFile());
    RegistryValues all{Dword("Installed", 1), String("BitmapDir", Dir().toStdString()), String("Language", "English")};
    all.insert(all.end(), values.begin(), values.end());
    (void)store.Write(all);
}

StartEnvironment TestAppFolder::Environment(const QStringList& arguments) const
{
    qputenv("KRCOOL_REGISTRY", QByteArray::fromStdString(RegistryFile().string()));
    StartEnvironment environment;
    environment.ProgramPath = ProgramPath();
    environment.Arguments = arguments;
    environment.RegistryFile = DefaultRegistryPath();
    environment.ScreenSize = QSize(1280, 1024);
    return environment;
}

std::string DistText(const QString& languageFile, std::string_view key)
{
    const LanguageList languages = LoadLanguageList(DistDir.toStdString());
    for (const Language& language : languages) {
        if (QString::fromStdString(language.File.filename().string()) == languageFile)
            return language.Table.Lookup(key);
    }
    return {};
}

NamedRegistryValue Dword(const char* name, std::uint32_t value)
{
    return {name, value};
}

NamedRegistryValue String(const char* name, const std::string& text)
{
    return {name, text};
}

}  // namespace kr::gui::test
