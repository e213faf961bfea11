#pragma once
// Errors that reach the user. An error escaping a command is caught by the
// application's error handler, which shows Message() in the error box.

#include <exception>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// A file could not be opened ("Cannot open file "<path>". <system reason>").
class EFOpenError : public Exception {
public:
    using Exception::Exception;
};

// A read returned fewer bytes than asked ("Stream read error").
class EReadError : public Exception {
public:
    EReadError() : Exception("Stream read error") {}

protected:
    // For read errors that say more precisely what was wrong with the data.
    explicit EReadError(std::string message) : Exception(std::move(message)) {}
};

// Not enough memory for a request ("Out of memory").
class EOutOfMemory : public Exception {
public:
    EOutOfMemory() : Exception("Out of memory") {}
};

// A numeric or boolean text that does not convert.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// An I/O error with its system error number; the message follows the number
// (2 "File not found", 5 "File access denied", otherwise "I/O error <n>").
class EInOutError : public Exception {
public:
    explicit EInOutError(int errorCode);
    int ErrorCode() const noexcept { return errorCode_; }
    static std::string MessageFor(int errorCode);

private:
    int errorCode_;
};
