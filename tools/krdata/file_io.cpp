#include "krdata/file_io.h"

#include "core/settings/atomic_file.h"
#include "krdata/data_error.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace kr {

std::string ReadWholeFile(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        throw DataError(path.string() + ": no such file");
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in && !in.eof())
        throw DataError(path.string() + ": cannot be read");
    return bytes;
}

void ReplaceFile(const std::filesystem::path& path, std::string_view bytes)
{
    if (const FileWriteResult written = ReplaceFileAtomically(path, bytes); !written.Ok())
        throw DataError(written.error);
}

}  // namespace kr
