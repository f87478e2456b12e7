#include "core/install/copy_install_files.h"

#include "install_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <csignal>
#include <fstream>
#include <sstream>
#include <utility>

#include <sys/resource.h>

namespace kr {
namespace {

namespace fs = std::filesystem;
using fs::perms;

std::string ReadFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool Has(const fs::path& file, perms wanted)
{
    return (fs::status(file).permissions() & wanted) == wanted;
}

class CopyInstallFilesTest : public ::testing::Test {
protected:
    test::Distribution dist;
    test::TempDir target;
    std::vector<std::pair<std::size_t, std::size_t>> progress;

    CopyResult Copy(const InstallFileList& files)
    {
        return CopyInstallFiles(dist.Path(), files, target.Path(),
                                [this](std::size_t copied, std::size_t total) { progress.emplace_back(copied, total); });
    }
};

TEST_F(CopyInstallFilesTest, CopiesAreWritableAndProgramsStayExecutable)
{
    target.Write("Price.dat", "an older price file");
    ASSERT_TRUE(Copy({"KR_Oil_Coolers", "Price.dat", "Krdata.dat"}).Ok);

    EXPECT_EQ(ReadFile(target / "Price.dat"), "contents of Price.dat");
    EXPECT_EQ(ReadFile(target / "KR_Oil_Coolers"), "#!/bin/sh\n");
    EXPECT_TRUE(Has(target / "KR_Oil_Coolers", perms::owner_read | perms::owner_write | perms::owner_exec));
    for (const char* data : {"Price.dat", "Krdata.dat"}) {
        EXPECT_TRUE(Has(target / data, perms::owner_read | perms::owner_write)) << data;
        EXPECT_FALSE(Has(target / data, perms::owner_exec)) << data;
    }
    EXPECT_EQ(progress, (std::vector<std::pair<std::size_t, std::size_t>>{{0, 3}, {1, 3}, {2, 3}, {3, 3}}));
}

// Lets no write make a file of this process larger than limit bytes for
// the life of the object: a write across it fails as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        savedSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, savedSignal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*savedSignal_)(int) = SIG_DFL;
};

// A copy that fails half way leaves the file it was to replace as it was,
// or no file at all, and no temporary file: never a cut-off one that looks
// installed.
TEST_F(CopyInstallFilesTest, ACopyThatFailsHalfWayLeavesNoCutOffFile)
{
    constexpr rlim_t Limit = 64 * 1024;
    dist.WriteFile("KR_product_info", std::string(4 * Limit, 'x'), true);
    for (const bool earlierVersion : {true, false}) {
        SCOPED_TRACE(earlierVersion);
        fs::remove(target / "KR_product_info");
        if (earlierVersion)
            target.Write("KR_product_info", "the earlier version");
        progress.clear();
        CopyResult result;
        {
            const FileSizeLimit full(Limit);
            result = Copy({"Price.dat", "KR_product_info", "Krdata.dat"});
        }
        EXPECT_FALSE(result.Ok);
        EXPECT_EQ(result.FailedTarget, target / "KR_product_info");
        EXPECT_EQ(result.Reason, std::errc::file_too_large);
        EXPECT_EQ(fs::exists(target / "KR_product_info"), earlierVersion);
        if (earlierVersion) {
            EXPECT_EQ(ReadFile(target / "KR_product_info"), "the earlier version");
        }
        std::vector<std::string> left;
        for (const auto& entry : fs::directory_iterator(target.Path()))
            left.push_back(entry.path().filename().string());
        std::ranges::sort(left);
        const std::vector<std::string> expected =
            earlierVersion ? std::vector<std::string>{"KR_product_info", "Price.dat"} : std::vector<std::string>{"Price.dat"};
        EXPECT_EQ(left, expected);
        EXPECT_EQ(progress.back(), (std::pair<std::size_t, std::size_t>{1, 3}));
    }
}

TEST_F(CopyInstallFilesTest, StopsAtATargetThatIsAFolderAndKeepsTheFilesBefore)
{
    fs::create_directory(target / "Krdata.dat");
    const CopyResult result = Copy({"Price.dat", "Krdata.dat", "English.SPROG"});
    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(result.FailedTarget, target / "Krdata.dat");
    EXPECT_EQ(result.Reason, std::errc::is_a_directory);
    EXPECT_EQ(ReadFile(target / "Price.dat"), "contents of Price.dat");
    EXPECT_FALSE(fs::exists(target / "English.SPROG"));
    EXPECT_EQ(progress.back(), (std::pair<std::size_t, std::size_t>{1, 3}));
}

TEST_F(CopyInstallFilesTest, StopsAtASourceFileRemovedAfterListing)
{
    const InstallFileList files{"Price.dat", "notes.xyz", "English.SPROG"};
    fs::remove(dist.Path() / "notes.xyz");
    const CopyResult result = Copy(files);
    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(result.FailedTarget, target / "notes.xyz");
    EXPECT_EQ(result.Reason, std::errc::no_such_file_or_directory);
    EXPECT_TRUE(fs::exists(target / "Price.dat"));
    EXPECT_FALSE(fs::exists(target / "English.SPROG"));
}

TEST_F(CopyInstallFilesTest, ALinkInTheTargetIsReplacedNotWrittenThrough)
{
    const test::TempDir elsewhere;
    const fs::path victim = elsewhere.Write("victim", "keep me");
    fs::create_symlink(victim, target / "Price.dat");
    ASSERT_TRUE(Copy({"Price.dat"}).Ok);
    EXPECT_EQ(ReadFile(victim), "keep me");
    EXPECT_FALSE(fs::is_symlink(target / "Price.dat"));
    EXPECT_EQ(ReadFile(target / "Price.dat"), "contents of Price.dat");
}

TEST_F(CopyInstallFilesTest, ATargetThatIsTheSourceFileIsRefusedAndLeftWhole)
{
    fs::create_hard_link(dist.Path() / "Price.dat", target / "Price.dat");
    const CopyResult result = Copy({"Price.dat"});
    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(result.FailedTarget, target / "Price.dat");
    EXPECT_EQ(ReadFile(dist.Path() / "Price.dat"), "contents of Price.dat");
}

TEST_F(CopyInstallFilesTest, AFlagInASubfolderGetsItsFolder)
{
    fs::create_directory(dist.Path() / "flags");
    dist.WriteFile("flags/en.bmp", "flag");
    ASSERT_TRUE(Copy({"flags/en.bmp"}).Ok);
    EXPECT_EQ(ReadFile(target / "flags" / "en.bmp"), "flag");
}

}  // namespace
}  // namespace kr
