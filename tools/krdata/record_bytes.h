#pragma once

#include "krdata/data_error.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kr {

// The bytes of fixed-size records kept in a std::string, the form in which
// the tools read and write files.

template <typename Record>
void AppendRecordBytes(std::string& bytes, const Record& record)
{
    bytes.append(reinterpret_cast<const char*>(record.Record.data()), record.Record.size());
}

// Record n of the file; the length must have been checked with CheckRecordFile.
template <typename Record>
Record RecordAt(std::string_view bytes, std::size_t n)
{
    const auto* first = reinterpret_cast<const std::uint8_t*>(bytes.data()) + n * Record::RecordSize;
    return Record(std::span<const std::uint8_t, Record::RecordSize>(first, Record::RecordSize));
}

// The number of records of a file, or a DataError when it ends inside a record.
inline std::size_t CheckRecordFile(std::string_view bytes, std::size_t recordSize)
{
    if (bytes.size() % recordSize != 0)
        throw DataError("the file length " + std::to_string(bytes.size()) + " is not a multiple of the record size " +
                        std::to_string(recordSize));
    return bytes.size() / recordSize;
}

}  // namespace kr
