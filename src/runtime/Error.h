#pragma once

#include <exception>
#include <string>

namespace runtime {

// The run-time error numbers the system reports and traps, with the platform's own numbering.
enum ErrorNumber : int {
    InvalidProcedureCall = 5,
    Overflow = 6,
    SubscriptOutOfRange = 9,
    DivisionByZero = 11,
    TypeMismatch = 13,
    FileNotFound = 53,
    FileAlreadyExists = 58,
    DiskFull = 61,
    InputPastEndOfFile = 62,
    PathFileAccessError = 75,
    PathNotFound = 76,
    DialogCancelled = 32755,
};

// The plain description of an error number ("File not found"); unknown numbers get "Application-defined or object-defined error".
std::string describeError(int number);

class Error;

// The run-time error a failed file-system call's errno stands for: a missing file or folder, a full
// disk, a name already taken, and Path/File access error for the rest.
Error errorOfSystemCall(int code);

// A run-time failure. Handlers that trap errors show `description` after their own fixed text.
class Error : public std::exception {
public:
    explicit Error(int number);
    Error(int number, std::string description);

    int number() const noexcept { return number_; }
    const std::string& description() const noexcept { return description_; }
    const char* what() const noexcept override { return description_.c_str(); }

private:
    int number_;
    std::string description_;
};

} // namespace runtime
