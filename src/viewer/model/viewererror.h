#pragma once

#include <stdexcept>
#include <string>

namespace tessera::viewer {

// The messages the viewer reports to the user; each text is defined once here.
namespace messages {
inline constexpr const char* kOpenComment = "Open Comment at End of HTML File";
inline constexpr const char* kCantLocateFile = "Can't locate file: ";
inline constexpr const char* kTooManyColumns = "Table has too many Columns";
inline constexpr const char* kOutOfResources = "Out of Resources";
} // namespace messages

// Every error the viewer raises on purpose. Bad markup is never one of them.
class ViewerError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A comment still open at the end of the input.
class EParseError : public ViewerError {
public:
    EParseError() : ViewerError(messages::kOpenComment) {}
};

// A page file that does not exist or cannot be read.
class EFileNotFound : public ViewerError {
public:
    explicit EFileNotFound(const std::string& name) : ViewerError(messages::kCantLocateFile + name) {}
};

// More columns in one table than layout supports.
class ETooManyColumns : public ViewerError {
public:
    ETooManyColumns() : ViewerError(messages::kTooManyColumns) {}
};

class EOutOfResources : public ViewerError {
public:
    EOutOfResources() : ViewerError(messages::kOutOfResources) {}
};

} // namespace tessera::viewer
