#pragma once

// The spelling engine: one process-wide object that answers whether a word is known and which
// known words are most like it. Text in and out is UTF-8; the engine converts to the
// dictionaries' code page once, here at its boundary.

#include "spell/engine/dctfile.h"
#include "spell/engine/messages.h"
#include "spell/engine/userdictionary.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tessera::spell {

// How suggestions are found and ordered. Closest looks further (any first letter, two edits)
// and ranks by the likeliest slip; Classic is the original sound-code walk ranked by pattern
// similarity, kept for those who are used to its lists.
enum class SuggestionRanking { Closest, Classic };

// A dictionary file may have a side file of its most common words beside it: the same name with
// this extension, in the same format. Suggestions prefer the words it holds.
inline constexpr std::string_view kCommonWordsExtension = ".FRQ";

class TDictionary {
public:
    // Only one engine may exist at a time. A second request returns null with
    // DictionaryError::DictionaryInUse; `errorText` then holds kMultipleDictionaries.
    static std::unique_ptr<TDictionary> create(std::string* errorText = nullptr);
    static bool instanceExists();

    ~TDictionary();
    TDictionary(const TDictionary&) = delete;
    TDictionary& operator=(const TDictionary&) = delete;

    // Opening a file whose name (without directory, ignoring case) is already open does nothing.
    bool openDictionary(const std::string& path, TDCTFile::Access access = TDCTFile::kDefaultAccess);
    // A bare name is taken relative to the first dictionary's directory. False when the file
    // does not exist (the list starts empty and the file is created on the first save) or could
    // not be read (then it is never saved, so no word in it is lost).
    bool openUserDictionary(const std::string& name);

    bool isKnownWord(std::string_view word);
    // False when the word is already known; otherwise adds its lower-case form to the user list.
    bool addWord(std::string_view word);
    // At most `maximum` words like `word`, best first, with its case pattern; a word run
    // together from two ("thecat") is offered split by a space.
    std::vector<std::string> suggest(std::string_view word, int maximum);
    void setRanking(SuggestionRanking ranking) { m_ranking = ranking; }
    SuggestionRanking ranking() const { return m_ranking; }
    // Words of the first dictionary file that continue `prefix`, with its case pattern.
    std::vector<std::string> complete(std::string_view prefix, int maximum);

    // Saves the user dictionary when words were added, then closes every file. False when the
    // save failed (errorString says why); the files are closed all the same.
    bool close();

    bool filesOpen() const { return m_filesOpen; }
    bool userWordsAdded() const { return m_userWordsAdded; }
    std::string userDictionaryPath() const { return m_userDictionary.path().string(); }
    std::vector<std::string> userWords() const { return m_userDictionary.words(); }
    const std::vector<std::unique_ptr<TDCTFile>>& files() const { return m_files; }
    const std::vector<std::unique_ptr<TDCTFile>>& commonWordFiles() const { return m_commonWords; }

    DictionaryError error() const { return m_error; }
    const std::string& errorString() const { return m_errorString; }

private:
    TDictionary() = default;
    bool knownLowerCase(std::u32string_view lower);
    std::vector<std::string> classicSuggestions(const std::u32string& lower, int maximum);
    std::vector<std::string> closestSuggestions(const std::u32string& lower, int maximum);
    void openCommonWords(const std::string& dictionaryPath);
    bool setError(DictionaryError error, std::string text);

    bool m_filesOpen = false;
    std::vector<std::unique_ptr<TDCTFile>> m_files;
    std::vector<std::unique_ptr<TDCTFile>> m_commonWords;
    SuggestionRanking m_ranking = SuggestionRanking::Closest;
    std::string m_userDictionaryName{kDefaultUserDictionary};
    UserDictionary m_userDictionary;
    bool m_userDictionaryResolved = false;
    bool m_userWordsAdded = false;
    DictionaryError m_error = DictionaryError::None;
    std::string m_errorString;
};

// Gives `word` (UTF-8) the case pattern of `pattern`: when the pattern's second character (its
// first, if it has one) is lower-case the word is lower-cased, with a capital first letter when
// the pattern starts with one; otherwise the whole word is upper-cased.
std::string applyCasePattern(std::string_view word, std::u32string_view pattern);

} // namespace tessera::spell
