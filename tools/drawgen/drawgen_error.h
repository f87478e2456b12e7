#pragma once

#include <stdexcept>

namespace kr::drawgen {

// A fault in what the generator was given: a missing or malformed
// description, a drawing name no description answers, a text the font cannot
// draw. The message says where and what; the tool prints it and fails.
class DrawgenError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace kr::drawgen
