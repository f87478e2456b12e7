#include "core/quote/price_disk.h"

#include "core/data/text_keys.h"
#include "core/install/failure_reason.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <limits>
#include <memory>
#include <new>
#include <span>

namespace kr {

namespace fs = std::filesystem;

namespace {

const std::string ParagraphBreak = "\n\n";

struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, CloseFile>;

std::error_code LastError()
{
    return {errno != 0 ? errno : EIO, std::generic_category()};
}

// A regular file opened for reading, or the reason it cannot be.
FileHandle OpenRegularFile(const fs::path& file, std::error_code& reason)
{
    const fs::file_status status = fs::status(file, reason);
    if (reason)
        return nullptr;
    if (fs::is_directory(status))
        reason = std::make_error_code(std::errc::is_a_directory);
    else if (!fs::is_regular_file(status))
        reason = std::make_error_code(std::errc::invalid_argument);  // a device or pipe may never end
    if (reason)
        return nullptr;
    errno = 0;
    FileHandle handle(std::fopen(file.c_str(), "rb"));
    if (!handle)
        reason = LastError();
    return handle;
}

// Up to limit bytes from the start of the open file.
std::string ReadBytes(std::FILE* file, std::uintmax_t limit, std::error_code& reason)
{
    constexpr std::size_t ChunkBytes = 1 << 14;
    std::string bytes;
    char chunk[ChunkBytes];
    while (bytes.size() < limit) {
        const std::size_t wanted = static_cast<std::size_t>(std::min<std::uintmax_t>(ChunkBytes, limit - bytes.size()));
        errno = 0;
        const std::size_t got = std::fread(chunk, 1, wanted, file);
        bytes.append(chunk, got);
        if (got < wanted) {
            if (std::ferror(file))
                reason = LastError();
            break;
        }
    }
    return bytes;
}

PriceDiskCheck Unreadable(const fs::path& file, std::error_code reason)
{
    PriceDiskCheck check;
    check.File = file;
    check.Fault = PriceDiskFault::Unreadable;
    check.Reason = reason;
    return check;
}

// The verdict from the file's size and its first bytes (at least a record's
// worth when the file has them).
PriceDiskCheck Verdict(const fs::path& file, std::uintmax_t size, std::string_view start)
{
    PriceDiskCheck check;
    check.File = file;
    check.Size = size;
    if (size < PriceRecordSize || start.size() < PriceRecordSize) {
        check.Fault = PriceDiskFault::NoHeader;
        return check;
    }
    check.Header = tPriceType(
        std::span<const std::uint8_t, PriceRecordSize>(reinterpret_cast<const std::uint8_t*>(start.data()), PriceRecordSize));
    if (size % PriceRecordSize != 0)
        check.Fault = PriceDiskFault::PartialRecord;
    return check;
}

std::string PathText(const fs::path& file)
{
    const std::u8string text = file.u8string();
    return std::string(text.begin(), text.end());
}

// The refusal or failure, then that nothing was lost.
std::string WithPricesKept(const std::string& text, const LanguageTable& texts)
{
    return text + ParagraphBreak + texts.Lookup(keys::PricesKept.Key);
}

// Why the file is refused, in one sentence of the screen language.
std::string RefusalReason(const PriceDiskCheck& check, const LanguageTable& texts, const FormatSettings& settings)
{
    const std::string file = PathText(check.File);
    switch (check.Fault) {
    case PriceDiskFault::None:
        break;
    case PriceDiskFault::Unreadable: {
        // The reasons worded for the user speak of writing; a read failure
        // is told in the system's own words.
        const std::string reason = Format(texts.Lookup(keys::ReasonOther.Key), {check.Reason.message()}, settings);
        return Format(texts.Lookup(keys::ErrorPriceDiskUnreadable.Key), {file, reason}, settings);
    }
    case PriceDiskFault::NoHeader:
        return Format(texts.Lookup(keys::ErrorPriceDiskNoHeader.Key), {file}, settings);
    case PriceDiskFault::PartialRecord:
        return Format(texts.Lookup(keys::ErrorPriceDiskRecords.Key), {file, static_cast<std::int64_t>(check.Size)},
                      settings);
    }
    return {};
}

}  // namespace

PriceDiskCheck CheckPriceDisk(const fs::path& file)
{
    std::error_code reason;
    const FileHandle handle = OpenRegularFile(file, reason);
    if (!handle)
        return Unreadable(file, reason);
    const std::uintmax_t size = fs::file_size(file, reason);
    if (reason)
        return Unreadable(file, reason);
    const std::string start = ReadBytes(handle.get(), PriceRecordSize, reason);
    if (reason)
        return Unreadable(file, reason);
    return Verdict(file, size, start);
}

PriceDiskCheck CheckPriceDiskBytes(const fs::path& file, std::string_view bytes)
{
    return Verdict(file, bytes.size(), bytes);
}

std::vector<std::string> PriceDiskHeaderLines(const tPriceType& header, const LanguageTable& texts)
{
    const auto line = [&texts](const TextKey& label, const std::string& value) {
        return texts.Lookup(label.Key) + '\t' + value;
    };
    return {
        line(keys::DiskDate, header.DiskDate()),
        line(keys::DiskId, std::to_string(header.DiskID())),
        line(keys::Publisher, header.Publisher()),
        line(keys::EndDate, header.EndDate()),
    };
}

PriceFileReplacement ReplacePriceFile(const fs::path& source, const fs::path& priceFile)
{
    PriceFileReplacement replacement;
    std::error_code reason;
    const FileHandle handle = OpenRegularFile(source, reason);
    if (!handle) {
        replacement.Source = Unreadable(source, reason);
        return replacement;
    }
    std::string bytes;
    try {
        bytes = ReadBytes(handle.get(), std::numeric_limits<std::uintmax_t>::max(), reason);
    } catch (const std::bad_alloc&) {
        reason = std::make_error_code(std::errc::not_enough_memory);
    }
    if (reason) {
        replacement.Source = Unreadable(source, reason);
        return replacement;
    }
    replacement.Source = CheckPriceDiskBytes(source, bytes);
    if (replacement.Source.Fit())
        replacement.Written = ReplaceFileAtomically(priceFile, bytes);
    return replacement;
}

std::string PriceDiskRefusalText(const PriceDiskCheck& check, const LanguageTable& texts,
                                 const FormatSettings& settings)
{
    if (check.Fit())
        return {};
    return WithPricesKept(RefusalReason(check, texts, settings), texts);
}

std::string PriceUpdateFailureText(const PriceFileReplacement& replacement, const LanguageTable& texts,
                                   const FormatSettings& settings)
{
    if (!replacement.Source.Fit())
        return PriceDiskRefusalText(replacement.Source, texts, settings);
    if (!replacement.Written.Ok())
        return WithPricesKept(texts.Lookup(keys::ErrorPricefile.Key) + ParagraphBreak +
                                  FailureReasonText(texts, replacement.Written, settings),
                              texts);
    return {};
}

}  // namespace kr
