#pragma once

// The user's own word list: a text file, one word a line, held sorted in memory. Words compare
// without regard to case; the file keeps them as they were written.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tessera::spell {

class UserDictionary {
public:
    enum class LoadResult { Loaded, Missing, Failed };

    LoadResult load(const std::filesystem::path& path);
    void setPath(const std::filesystem::path& path) { m_path = path; }
    const std::filesystem::path& path() const { return m_path; }

    // `lowerWord` is UTF-8 and already lower-case.
    bool contains(std::string_view lowerWord) const;
    // Adds a word unless it is there already; returns whether it was added.
    bool add(std::string_view word);
    std::vector<std::string> words() const;
    bool empty() const { return m_entries.empty(); }

    // Merges the words the file holds now (another program may have added some), then replaces
    // the file in one step. Refuses when the last load failed, so the user's words only grow.
    bool save();
    bool loadFailed() const { return m_loadFailed; }
    const std::string& errorString() const { return m_errorString; }

private:
    struct Entry {
        std::string key; // lower-case
        std::string word;
    };
    static bool readLines(const std::filesystem::path& path, std::vector<std::string>& lines, std::string& error);

    std::filesystem::path m_path;
    std::vector<Entry> m_entries;
    std::filesystem::file_time_type m_loadedTime{};
    bool m_loadFailed = false;
    std::string m_errorString;
};

// Lower-cases a UTF-8 word the way the engine compares words.
std::string lowerCaseUtf8(std::string_view word);

} // namespace tessera::spell
