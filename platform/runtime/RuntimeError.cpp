#include "platform/runtime/RuntimeError.h"

namespace dorvak {

namespace {

const char* messageOf(ErrorCode code) {
    switch (code) {
    case ErrorCode::InvalidCall:
        return "Invalid procedure call or argument";
    case ErrorCode::Overflow:
        return "Overflow";
    case ErrorCode::TypeMismatch:
        return "Type mismatch";
    }
    return "Runtime error";
}

} // namespace

RuntimeError::RuntimeError(ErrorCode code)
    : std::runtime_error(messageOf(code))
    , code_(code) {}

RuntimeError::RuntimeError(ErrorCode code, const std::string& detail)
    : std::runtime_error(std::string(messageOf(code)) + ": " + detail)
    , code_(code) {}

} // namespace dorvak
