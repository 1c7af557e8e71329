#pragma once
// The system's exception classes. A message is code page 932 text; the
// standard error box shows it as it stands.

#include <stdexcept>
#include <string>

namespace zel {

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : m_Message(std::move(message)) {}
    const std::string& Message() const { return m_Message; }
    const char* what() const noexcept override { return m_Message.c_str(); }

private:
    std::string m_Message;
};

// An index outside a list.
class EListError : public Exception {
public:
    using Exception::Exception;
};

// Files that cannot be opened, created or written.
class EFileError : public Exception {
public:
    using Exception::Exception;
};

class EFOpenError : public EFileError {
public:
    using EFileError::EFileError;
};

class EFCreateError : public EFileError {
public:
    using EFileError::EFileError;
};

class EFWriteError : public EFileError {
public:
    using EFileError::EFileError;
};

class EClipboardError : public Exception {
public:
    using Exception::Exception;
};

// The list-index error with its index: "... (%d)".
[[noreturn]] void RaiseListIndexError(long long index);

} // namespace zel
