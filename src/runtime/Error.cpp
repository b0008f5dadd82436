#include "runtime/Error.h"

#include <cerrno>
#include <utility>

namespace runtime {

std::string describeError(int number)
{
    switch (number) {
    case InvalidProcedureCall: return "Invalid procedure call or argument";
    case Overflow: return "Overflow";
    case SubscriptOutOfRange: return "Subscript out of range";
    case DivisionByZero: return "Division by zero";
    case TypeMismatch: return "Type mismatch";
    case FileNotFound: return "File not found";
    case FileAlreadyExists: return "File already exists";
    case DiskFull: return "Disk full";
    case InputPastEndOfFile: return "Input past end of file";
    case PathFileAccessError: return "Path/File access error";
    case PathNotFound: return "Path not found";
    case DialogCancelled: return "Cancel was selected.";
    default: return "Application-defined or object-defined error";
    }
}

Error errorOfSystemCall(int code)
{
    switch (code) {
    case ENOENT:
    case ENOTDIR: return Error(PathNotFound);
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return Error(DiskFull);
    case EEXIST: return Error(FileAlreadyExists);
    default: return Error(PathFileAccessError);
    }
}

Error::Error(int number) : Error(number, describeError(number)) {}

Error::Error(int number, std::string description) : number_(number), description_(std::move(description)) {}

} // namespace runtime
