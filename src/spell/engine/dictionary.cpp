#include "spell/engine/dictionary.h"

#include "spell/engine/closestsuggestions.h"
#include "spell/engine/codepage.h"
#include "spell/engine/suggestlist.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <filesystem>

namespace tessera::spell {

namespace fs = std::filesystem;

namespace {

std::atomic<bool> g_instanceExists{false};

// Decodes and cuts to the engine's word length, without allocating. Malformed bytes become
// U+FFFD, which no dictionary holds.
struct WordBuffer {
    std::array<char32_t, dct::kMaxWordLength> characters;
    std::size_t size = 0;
    std::u32string_view view() const { return {characters.data(), size}; }
};

void decodeWordInto(std::string_view word, WordBuffer& out)
{
    out.size = 0;
    std::size_t i = 0;
    while (i < word.size() && out.size < dct::kMaxWordLength) {
        std::size_t length = 1;
        out.characters[out.size++] = decodeUtf8At(word, i, length);
        i += length;
    }
}

std::u32string decodeWord(std::string_view word)
{
    WordBuffer buffer;
    decodeWordInto(word, buffer);
    return std::u32string(buffer.view());
}

// Converts to code page 437; a character the code page lacks becomes NUL, a letter no sound
// dictionary holds.
std::string toOem(std::u32string_view text, bool* complete = nullptr)
{
    std::string out;
    out.reserve(text.size());
    bool all = true;
    for (char32_t c : text) {
        unsigned char byte = 0;
        if (!unicodeToCp437(c, byte)) {
            byte = 0;
            all = false;
        }
        out.push_back(static_cast<char>(byte));
    }
    if (complete)
        *complete = all;
    return out;
}

std::string upperAscii(std::string text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

} // namespace

std::string applyCasePattern(std::string_view word, std::u32string_view pattern)
{
    if (pattern.empty())
        return std::string(word);
    // Only letters decide: "o'clokc" is written in lower case, whatever its apostrophe says.
    std::u32string letters;
    for (char32_t c : pattern) {
        if (isLowerLetter(c) || isUpperLetter(c))
            letters.push_back(c);
    }
    if (letters.empty())
        return std::string(word);
    std::u32string decoded;
    decodeUtf8(word, decoded);
    const char32_t probe = letters.size() > 1 ? letters[1] : letters[0];
    if (isLowerLetter(probe)) {
        decoded = lowerCase(decoded);
        if (isUpperLetter(letters[0]) && !decoded.empty())
            decoded[0] = upperLetter(decoded[0]);
    } else {
        decoded = upperCase(decoded);
    }
    return encodeUtf8(decoded);
}

std::unique_ptr<TDictionary> TDictionary::create(std::string* errorText)
{
    bool expected = false;
    if (!g_instanceExists.compare_exchange_strong(expected, true)) {
        if (errorText)
            *errorText = std::string(kMultipleDictionaries);
        return nullptr;
    }
    return std::unique_ptr<TDictionary>(new TDictionary());
}

bool TDictionary::instanceExists()
{
    return g_instanceExists.load();
}

TDictionary::~TDictionary()
{
    close();
    g_instanceExists.store(false);
}

bool TDictionary::setError(DictionaryError error, std::string text)
{
    m_error = error;
    m_errorString = std::move(text);
    return error == DictionaryError::None;
}

bool TDictionary::openDictionary(const std::string& path, TDCTFile::Access access)
{
    setError(DictionaryError::None, {});
    const std::string name = upperAscii(fs::path(path).filename().string());
    for (const auto& file : m_files) {
        if (upperAscii(fs::path(file->path()).filename().string()) == name)
            return true;
    }
    auto file = std::make_unique<TDCTFile>();
    if (!file->open(path, access))
        return setError(file->error(), file->errorString());
    m_files.push_back(std::move(file));
    m_filesOpen = true;
    openCommonWords(path);
    return true;
}

void TDictionary::openCommonWords(const std::string& dictionaryPath)
{
    // The side file only sharpens the order of suggestions; without it, or with a damaged one,
    // every word simply counts as equally common.
    const fs::path dictionary(dictionaryPath);
    const std::string wanted = upperAscii(dictionary.stem().string() + std::string(kCommonWordsExtension));
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(dictionary.parent_path().empty() ? "." : dictionary.parent_path(), error)) {
        if (upperAscii(entry.path().filename().string()) != wanted)
            continue;
        auto file = std::make_unique<TDCTFile>();
        if (file->open(entry.path().string()))
            m_commonWords.push_back(std::move(file));
        return;
    }
}

bool TDictionary::openUserDictionary(const std::string& name)
{
    m_userDictionaryName = name.empty() ? std::string(kDefaultUserDictionary) : name;
    fs::path path(m_userDictionaryName);
    if (!path.has_parent_path() && !m_files.empty())
        path = fs::path(m_files.front()->path()).parent_path() / path;
    m_userDictionaryResolved = true;
    const auto result = m_userDictionary.load(path);
    if (result == UserDictionary::LoadResult::Failed)
        setError(DictionaryError::FileError, m_userDictionary.errorString());
    return result == UserDictionary::LoadResult::Loaded;
}

bool TDictionary::knownLowerCase(std::u32string_view lower)
{
    // A word the user added keeps its "'s"; the dictionaries know such forms through their stem.
    if (!m_userDictionary.empty() && m_userDictionary.contains(encodeUtf8(lower)))
        return true;
    if (lower.size() >= 2 && lower.substr(lower.size() - 2) == U"'s")
        lower.remove_suffix(2);
    if (lower.empty())
        return false;
    if (!m_userDictionary.empty() && m_userDictionary.contains(encodeUtf8(lower)))
        return true;
    std::array<char, dct::kMaxWordLength> oem;
    for (std::size_t i = 0; i < lower.size(); ++i) {
        unsigned char byte = 0;
        if (!unicodeToCp437(lower[i], byte))
            return false;
        oem[i] = static_cast<char>(byte);
    }
    const std::string_view oemWord(oem.data(), lower.size());
    for (const auto& file : m_files) {
        if (file->contains(oemWord))
            return true;
    }
    return false;
}

bool TDictionary::isKnownWord(std::string_view word)
{
    WordBuffer buffer;
    decodeWordInto(word, buffer);
    for (std::size_t i = 0; i < buffer.size; ++i)
        buffer.characters[i] = lowerLetter(buffer.characters[i]);
    return knownLowerCase(buffer.view());
}

bool TDictionary::addWord(std::string_view word)
{
    const std::u32string lower = lowerCase(decodeWord(word));
    if (lower.empty() || knownLowerCase(lower))
        return false;
    if (!m_userDictionaryResolved)
        openUserDictionary(m_userDictionaryName);
    if (!m_userDictionary.add(encodeUtf8(lower)))
        return false;
    m_userWordsAdded = true;
    return true;
}

std::vector<std::string> TDictionary::suggest(std::string_view word, int maximum)
{
    const std::u32string original = decodeWord(word);
    if (original.empty() || maximum < 1)
        return {};
    const std::u32string lower = lowerCase(original);
    std::vector<std::string> result = m_ranking == SuggestionRanking::Classic ? classicSuggestions(lower, maximum)
                                                                              : closestSuggestions(lower, maximum);
    if (result.size() > static_cast<std::size_t>(maximum))
        result.resize(static_cast<std::size_t>(maximum));
    for (std::string& entry : result)
        entry = applyCasePattern(entry, original);
    return result;
}

std::vector<std::string> TDictionary::classicSuggestions(const std::u32string& lower, int maximum)
{
    std::vector<std::string> result;
    for (std::size_t i = 1; i < lower.size() && result.size() < static_cast<std::size_t>(maximum); ++i) {
        const std::u32string_view left = std::u32string_view(lower).substr(0, i);
        const std::u32string_view right = std::u32string_view(lower).substr(i);
        if (knownLowerCase(left) && knownLowerCase(right))
            result.push_back(encodeUtf8(left) + " " + encodeUtf8(right));
    }
    if (result.size() < static_cast<std::size_t>(maximum)) {
        const std::string oem = toOem(lower);
        TSuggestList list(maximum);
        for (const auto& file : m_files) {
            buildSuggestions(*file, oem, list);
            // The list is shared by all files; words already taken from an earlier file stay out.
            for (const TSuggestion& entry : list.entries()) {
                std::string candidate = oemToUtf8(entry.word);
                if (std::find(result.begin(), result.end(), candidate) == result.end())
                    result.push_back(std::move(candidate));
            }
        }
    }
    return result;
}

std::vector<std::string> TDictionary::closestSuggestions(const std::u32string& lower, int maximum)
{
    bool convertible = false;
    const std::string oem = toOem(lower, &convertible);
    if (!convertible)
        return {};
    const SuggestionSources sources{m_files, m_commonWords, [this](std::string_view oemWord) {
                                        return knownLowerCase(decodeWord(oemToUtf8(oemWord)));
                                    }};
    std::vector<std::string> result = spell::closestSuggestions(sources, oem, maximum);
    for (std::string& entry : result)
        entry = oemToUtf8(entry);
    return result;
}

std::vector<std::string> TDictionary::complete(std::string_view prefix, int maximum)
{
    if (m_files.empty())
        return {};
    const std::u32string original = decodeWord(prefix);
    bool convertible = false;
    const std::string oem = toOem(lowerCase(original), &convertible);
    if (!convertible)
        return {};
    std::vector<std::string> words = completions(*m_files.front(), oem, maximum);
    for (std::string& entry : words)
        entry = applyCasePattern(oemToUtf8(entry), original);
    return words;
}

bool TDictionary::close()
{
    bool saved = true;
    if (m_userWordsAdded) {
        saved = m_userDictionary.save();
        if (saved)
            m_userWordsAdded = false;
        else
            setError(DictionaryError::FileError, m_userDictionary.errorString());
    }
    for (auto& file : m_files)
        file->close();
    m_files.clear();
    m_commonWords.clear();
    m_filesOpen = false;
    return saved;
}

} // namespace tessera::spell
