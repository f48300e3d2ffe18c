#include "spell/engine/userdictionary.h"

#include "spell/engine/codepage.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace tessera::spell {

namespace fs = std::filesystem;

std::string lowerCaseUtf8(std::string_view word)
{
    std::u32string decoded;
    if (!decodeUtf8(word, decoded))
        decodeUtf8(windows1252ToUtf8(word), decoded);
    return encodeUtf8(lowerCase(decoded));
}

bool UserDictionary::readLines(const fs::path& path, std::vector<std::string>& lines, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "Cannot read the user dictionary " + path.string() + ": " + std::strerror(errno);
        return false;
    }
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        error = "Cannot read the user dictionary " + path.string();
        return false;
    }
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        if (end == std::string::npos)
            end = content.size();
        std::string line = content.substr(start, end - start);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.pop_back();
        std::u32string check;
        // Lists written by the program's older versions are in the Windows code page.
        if (!decodeUtf8(line, check))
            line = windows1252ToUtf8(line);
        if (!line.empty())
            lines.push_back(std::move(line));
        start = end + 1;
    }
    return true;
}

UserDictionary::LoadResult UserDictionary::load(const fs::path& path)
{
    m_path = path;
    m_entries.clear();
    m_loadFailed = false;
    m_errorString.clear();
    std::error_code code;
    if (!fs::exists(path, code)) {
        if (code) {
            m_loadFailed = true;
            m_errorString = "Cannot read the user dictionary " + path.string() + ": " + code.message();
            return LoadResult::Failed;
        }
        return LoadResult::Missing;
    }
    m_loadedTime = fs::last_write_time(path, code);
    std::vector<std::string> lines;
    if (fs::is_directory(path, code) || !readLines(path, lines, m_errorString)) {
        if (m_errorString.empty())
            m_errorString = "Cannot read the user dictionary " + path.string();
        m_loadFailed = true;
        return LoadResult::Failed;
    }
    for (const std::string& line : lines)
        add(line);
    return LoadResult::Loaded;
}

bool UserDictionary::contains(std::string_view lowerWord) const
{
    const auto it = std::lower_bound(m_entries.begin(), m_entries.end(), lowerWord,
                                     [](const Entry& entry, std::string_view key) { return entry.key < key; });
    return it != m_entries.end() && it->key == lowerWord;
}

bool UserDictionary::add(std::string_view word)
{
    std::string key = lowerCaseUtf8(word);
    if (key.empty())
        return false;
    const auto it = std::lower_bound(m_entries.begin(), m_entries.end(), key,
                                     [](const Entry& entry, const std::string& k) { return entry.key < k; });
    if (it != m_entries.end() && it->key == key)
        return false;
    m_entries.insert(it, Entry{std::move(key), std::string(word)});
    return true;
}

std::vector<std::string> UserDictionary::words() const
{
    std::vector<std::string> out;
    out.reserve(m_entries.size());
    for (const Entry& entry : m_entries)
        out.push_back(entry.word);
    return out;
}

bool UserDictionary::save()
{
    m_errorString.clear();
    if (m_loadFailed) {
        m_errorString = "The user dictionary " + m_path.string() + " could not be read, so it was not saved.";
        return false;
    }
    if (m_path.empty()) {
        m_errorString = "The user dictionary has no file name.";
        return false;
    }
    std::error_code code;
    if (fs::exists(m_path, code)) {
        std::vector<std::string> lines;
        if (!readLines(m_path, lines, m_errorString))
            return false;
        for (const std::string& line : lines)
            add(line);
    }

    std::string text;
    for (const Entry& entry : m_entries) {
        text += entry.word;
        text += '\n';
    }
    const fs::path directory = m_path.has_parent_path() ? m_path.parent_path() : fs::path(".");
    std::string pattern = (directory / (m_path.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        m_errorString = "Cannot save the user dictionary " + m_path.string() + ": " + std::strerror(errno);
        return false;
    }
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < text.size()) {
        const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        ok = written > 0;
        if (ok)
            done += static_cast<std::size_t>(written);
    }
    int savedErrno = errno;
    ok = ok && ::fchmod(fd, 0644) == 0 && ::fsync(fd) == 0;
    if (!ok)
        savedErrno = errno;
    ok = ::close(fd) == 0 && ok;
    if (ok && std::rename(pattern.c_str(), m_path.c_str()) != 0) {
        savedErrno = errno;
        ok = false;
    }
    if (!ok) {
        ::unlink(pattern.c_str());
        m_errorString = "Cannot save the user dictionary " + m_path.string() + ": " + std::strerror(savedErrno);
        return false;
    }
    m_loadedTime = fs::last_write_time(m_path, code);
    return true;
}

} // namespace tessera::spell
