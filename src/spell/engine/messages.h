#pragma once

// The spelling engine's own message texts, defined once.

#include <string_view>

namespace tessera::spell {

inline constexpr std::string_view kDictionaryNotFound = "Dictionary not found : ";
inline constexpr std::string_view kDictionaryCorrupt = "Dictionary Corrupt.";
inline constexpr std::string_view kOnlyOneDictionary =
    "Programmer Error. Only one dictionary\robject can be initialized at once.";
inline constexpr std::string_view kMultipleDictionaries = "Multiple Dictionaries not supported.";
inline constexpr std::string_view kDefaultUserDictionary = "USERDCT.TXT";

enum class DictionaryError {
    None,
    DictionaryNotFound,   // the file does not exist
    DictionaryCorrupt,    // bad signature, truncated blocks or broken node links
    DictionaryInUse,      // a second engine was asked for
    FileError,            // the file exists but cannot be read or written
};

} // namespace tessera::spell
