#include "core/settings/registry_path.h"
#include "core/settings/registry_store.h"

#include "settings_fixture.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <optional>
#include <sys/resource.h>

namespace kr {
namespace {

namespace fs = std::filesystem;
using test::ReadText;
using test::SettingsFile;
using test::WriteText;

class RegistryStoreTest : public ::testing::Test {
protected:
    test::TempDir dir;
    fs::path file = dir.Path() / "KRCool.reg";

    std::vector<std::string> FolderEntries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.Path()))
            names.push_back(entry.path().filename().string());
        return names;
    }
};

TEST_F(RegistryStoreTest, ReadsEachValueOnlyAsItsOwnType)
{
    WriteText(file, SettingsFile("\"Number\"=dword:0000000a\n\"Text\"=\"ten\"\n\"Other\"=hex(2):00\n"));
    const RegistryStore store(file);
    EXPECT_EQ(store.ReadDword("number"), 10u);
    EXPECT_EQ(store.ReadDword("Text"), std::nullopt);
    EXPECT_EQ(store.ReadDword("Other"), std::nullopt);
    EXPECT_EQ(store.ReadDword("Missing"), std::nullopt);
    EXPECT_EQ(store.ReadString("TEXT").status, StringRead::Status::Found);
    EXPECT_EQ(store.ReadString("Text").text, "ten");
    EXPECT_EQ(store.ReadString("Number").status, StringRead::Status::WrongType);
    EXPECT_EQ(store.ReadString("Other").status, StringRead::Status::WrongType);
    EXPECT_EQ(store.ReadString("Missing").status, StringRead::Status::Missing);
}

TEST_F(RegistryStoreTest, AMissingOrUnreadableFileIsAnEmptyStore)
{
    EXPECT_TRUE(RegistryStore(file).Values().empty());
    fs::create_directory(file);
    EXPECT_TRUE(RegistryStore(file).Values().empty());
}

TEST_F(RegistryStoreTest, WritesKeepPlacesAndUnknownTypes)
{
    WriteText(file, SettingsFile("\"Multi\"=hex(7):41,00,00,00\n\"Width\"=dword:00000001\n"
                                 "\"Broken\"=dword:zz\n"));
    RegistryStore store(file);
    ASSERT_TRUE(store.Write({{"New", std::string("a\r\nb")}, {"WIDTH", std::uint32_t{700}}}).Ok());
    EXPECT_EQ(ReadText(file), SettingsFile("\"Multi\"=hex(7):41,00,00,00\n\"Width\"=dword:000002bc\n"
                                           "\"New\"=hex(1):61,0d,0a,62,00\n"));
    EXPECT_EQ(RegistryStore(file).ReadString("New").text, "a\r\nb");
}

TEST_F(RegistryStoreTest, CreatesMissingFolders)
{
    const fs::path deep = dir.Path() / "a" / "b" / "KRCool.reg";
    RegistryStore store(deep);
    ASSERT_TRUE(store.Write({{"Width", std::uint32_t{600}}}).Ok());
    EXPECT_EQ(RegistryStore(deep).ReadDword("Width"), 600u);
}

TEST_F(RegistryStoreTest, ARewriteKeepsTheFilePermissions)
{
    WriteText(file, SettingsFile("\"Width\"=dword:00000001\n"));
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::replace);
    RegistryStore store(file);
    ASSERT_TRUE(store.Write({{"Width", std::uint32_t{760}}}).Ok());
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(RegistryStore(file).ReadDword("Width"), 760u);
}

TEST_F(RegistryStoreTest, AWriteStartsFromTheFileAsItIsNow)
{
    RegistryStore first(file);
    RegistryStore second(file);
    ASSERT_TRUE(first.Write({{"Language", std::string("Dansk")}}).Ok());
    ASSERT_TRUE(second.Write({{"Left", std::uint32_t{5}}}).Ok());
    const RegistryStore after(file);
    EXPECT_EQ(after.ReadString("Language").text, "Dansk");
    EXPECT_EQ(after.ReadDword("Left"), 5u);
}

TEST_F(RegistryStoreTest, DeletesAValue)
{
    RegistryStore store(file);
    ASSERT_TRUE(store.Write({{"A", std::uint32_t{1}}, {"B", std::uint32_t{2}}}).Ok());
    ASSERT_TRUE(store.Delete("a").Ok());
    EXPECT_EQ(ReadText(file), SettingsFile("\"B\"=dword:00000002\n"));
    ASSERT_TRUE(store.Delete("Missing").Ok());
}

TEST_F(RegistryStoreTest, ANameThatCannotBeStoredChangesNothing)
{
    RegistryStore store(file);
    const auto result = store.Write({{"Good", std::uint32_t{1}}, {"Bad\nName", std::uint32_t{2}}});
    EXPECT_FALSE(result.Ok());
    EXPECT_TRUE(store.Values().empty());
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(RegistryStoreTest, AFailedWriteNamesTheFileAndKeepsTheValuesInMemory)
{
    WriteText(dir.Path() / "folder", "a file where the folder should be");
    const fs::path blocked = dir.Path() / "folder" / "KRCool.reg";
    RegistryStore store(blocked);
    const auto result = store.Write({{"Width", std::uint32_t{700}}});
    EXPECT_NE(result.error.find(blocked.string()), std::string::npos) << result.error;
    EXPECT_EQ(store.ReadDword("Width"), 700u);
}

TEST_F(RegistryStoreTest, AFailedRenameLeavesNoTemporaryFile)
{
    fs::create_directories(file / "occupied");
    RegistryStore store(file);
    EXPECT_FALSE(store.Write({{"Width", std::uint32_t{700}}}).Ok());
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"KRCool.reg"});
}

// A file size limit makes the write itself fail, also for root.
TEST_F(RegistryStoreTest, AWriteThatFailsHalfwayLeavesTheOldFileIntact)
{
    const std::string old = SettingsFile("\"Width\"=dword:00000258\n");
    WriteText(file, old);
    RegistryStore store(file);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 200;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto result = store.Write({{"NameAddress", std::string(1000, 'x')}});
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(result.Ok());
    EXPECT_EQ(ReadText(file), old);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"KRCool.reg"});
}

// A settings file reached through links is written in place of the links'
// final target, atomically in the target's folder; the links stay.
TEST_F(RegistryStoreTest, WritesThroughLinksToTheirFinalTarget)
{
    const fs::path kept = dir.Path() / "kept" / "KRCool.reg";
    const fs::path middle = dir.Path() / "middle.reg";
    struct Row {
        const char* shape;
        bool targetExists;
        std::function<void()> link;
    };
    const Row rows[] = {
        {"absolute", true, [&] { fs::create_symlink(kept, file); }},
        {"relative", true, [&] { fs::create_symlink("kept/KRCool.reg", file); }},
        {"chain", true, [&] { fs::create_symlink(kept, middle), fs::create_symlink("middle.reg", file); }},
        {"target not yet there", false, [&] { fs::create_symlink(kept, file); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.shape);
        fs::remove_all(kept.parent_path());
        fs::remove(file);
        fs::remove(middle);
        fs::create_directories(kept.parent_path());
        if (row.targetExists)
            WriteText(kept, SettingsFile("\"Left\"=dword:00000001\n"));
        row.link();
        ASSERT_TRUE(RegistryStore(file).Write({{"Width", std::uint32_t{700}}}).Ok());
        EXPECT_TRUE(fs::is_symlink(file));
        const RegistryStore target(kept);
        EXPECT_EQ(target.ReadDword("Width"), 700u);
        EXPECT_EQ(target.ReadDword("Left"), row.targetExists ? std::optional<std::uint32_t>(1) : std::nullopt);
        EXPECT_EQ(std::distance(fs::directory_iterator(kept.parent_path()), fs::directory_iterator()), 1);
    }
    // A link that leads to itself is a failure, and stays as it was.
    fs::remove(file);
    fs::create_symlink("KRCool.reg", file);
    EXPECT_FALSE(RegistryStore(file).Write({{"Width", std::uint32_t{700}}}).Ok());
    EXPECT_EQ(fs::read_symlink(file), "KRCool.reg");
}

class RegistryPathTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"KRCOOL_REGISTRY", "XDG_CONFIG_HOME", "HOME"}) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
    }
    void TearDown() override
    {
        for (const auto& [name, value] : saved_)
            value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST_F(RegistryPathTest, FollowsTheEnvironment)
{
    setenv("HOME", "/home/user", 1);
    setenv("XDG_CONFIG_HOME", "/xdg", 1);
    setenv("KRCOOL_REGISTRY", "/tmp/test.reg", 1);
    EXPECT_EQ(DefaultRegistryPath(), fs::path("/tmp/test.reg"));
    setenv("KRCOOL_REGISTRY", "", 1);
    EXPECT_EQ(DefaultRegistryPath(), fs::path("/xdg/Vossbridge/Kalvorn/KRCool.reg"));
    setenv("XDG_CONFIG_HOME", "relative", 1);
    EXPECT_EQ(DefaultRegistryPath(), fs::path("/home/user/.config/Vossbridge/Kalvorn/KRCool.reg"));
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(DefaultRegistryPath(), fs::path("/home/user/.config/Vossbridge/Kalvorn/KRCool.reg"));
}

}  // namespace
}  // namespace kr
