#include "krdata/file_io.h"

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
    std::filesystem::path partial = path;
    partial += ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(partial, ignored);
            throw DataError(path.string() + ": cannot be written");
        }
    }
    std::error_code error;
    std::filesystem::rename(partial, path, error);
    if (error) {
        std::filesystem::remove(partial, error);
        throw DataError(path.string() + ": cannot be replaced");
    }
}

}  // namespace kr
