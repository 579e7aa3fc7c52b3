#pragma once

#include <stdexcept>
#include <string>

namespace dorvak {

// The classic runtime's error numbers, so callers can tell a bad argument from an overflow
// or a text that does not convert.
enum class ErrorCode { InvalidCall = 5, Overflow = 6, TypeMismatch = 13 };

class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(ErrorCode code);
    RuntimeError(ErrorCode code, const std::string& detail);

    ErrorCode code() const noexcept { return code_; }

private:
    ErrorCode code_;
};

} // namespace dorvak
