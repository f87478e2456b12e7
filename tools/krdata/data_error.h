#pragma once

#include <stdexcept>
#include <string>

namespace kr {

// A fault in the input of a data tool: a file that cannot be read, a CSV
// that breaks the layout, a value that cannot be stored. The message names
// where (row, column) and what; the tool prints it and stops.
class DataError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace kr
