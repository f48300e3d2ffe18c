#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tessera::viewer {

// The character reader: walks the page text one character at a time, turning every kind of
// line end into one carriage return, dropping control characters other than the tab, and
// removing comments wherever they occur. Offsets count bytes of the text it was given.
class Reader {
public:
    static constexpr int kEof = -1;

    explicit Reader(std::string_view text) : m_data(text.data()), m_size(text.size()) {}

    // The current character (a byte of UTF-8 text, a carriage return for any line end, or kEof)
    // and where it starts in the text.
    int ch() const { return m_ch; }
    std::size_t offset() const { return m_offset; }
    int upper() const { return (m_ch >= 'a' && m_ch <= 'z') ? m_ch - 'a' + 'A' : m_ch; }
    bool atWhite() const { return m_ch == ' ' || m_ch == '\r' || m_ch == '\t'; }
    // Whether the current "<" opens a tag: a letter or "/" follows it. Any other "<" is text,
    // as in "a < b".
    bool atTagOpen() const
    {
        if (m_ch != '<' || m_next >= m_size)
            return false;
        auto after = static_cast<unsigned char>(m_data[m_next]);
        return after == '/' || is(after, kLetter);
    }
    // Whether the raw text from the current character on starts with `prefix`, ignoring the
    // case of ASCII letters.
    bool startsWithIgnoringCase(std::string_view prefix) const
    {
        if (m_ch == kEof || m_offset + prefix.size() > m_size)
            return false;
        auto lower = [](unsigned char c) { return is(c, kLetter) ? c | 0x20 : c; };
        for (std::size_t i = 0; i < prefix.size(); ++i) {
            if (lower(static_cast<unsigned char>(m_data[m_offset + i])) != lower(static_cast<unsigned char>(prefix[i])))
                return false;
        }
        return true;
    }

    // Throws EParseError when the text ends inside a comment.
    void next()
    {
        // Most characters are plain text: take them without the general path.
        if (m_next < m_size) {
            unsigned char c = static_cast<unsigned char>(m_data[m_next]);
            if (is(c, kAsIs)) {
                m_offset = m_next++;
                m_ch = c;
                return;
            }
        }
        nextSlow();
    }
    void skipWhite()
    {
        while (atWhite())
            next();
    }

    std::size_t size() const { return m_size; }

    // Takes the run of characters from the current one on that reading one by one would pass
    // through unchanged: printable bytes other than "<" and "&". With `collapseSpaces`, a
    // space is part of the run only when it stands alone, so runs of white space are left to
    // the caller. Returns the run (empty when the current character does not start
    // one) and leaves the reader on the character after it.
    std::string_view takePlainRun(bool collapseSpaces)
    {
        return takeRun([&](std::size_t i) { return plainAt(i, collapseSpaces); });
    }

    // Takes the run of bytes from the current character on for which `keep` holds, among those
    // that reading one by one would pass through unchanged (printable, not "<"). Returns the
    // run, possibly empty, and leaves the reader on the character after it.
    template <typename Keep>
    std::string_view takeWhile(Keep keep)
    {
        return takeRun([&](std::size_t i) {
            auto c = static_cast<unsigned char>(m_data[i]);
            return is(c, kAsIs) && keep(c);
        });
    }

    // Takes the run of ASCII letters from the current character on (letters are never
    // translated, so it is a run of source bytes). Returns it, possibly empty, and leaves the
    // reader on the character after it.
    std::string_view takeLetters()
    {
        if (!isLetter(m_ch) || m_offset + 1 != m_next)
            return {};
        std::size_t begin = m_offset;
        std::size_t end = m_next;
        while (end < m_size && is(static_cast<unsigned char>(m_data[end]), kLetter))
            ++end;
        m_next = end;
        next();
        return std::string_view(m_data + begin, end - begin);
    }

private:
    // The run of source bytes from the current character on whose offsets `accept` takes, as
    // the reader would pass them one by one. The current character must be the raw byte at its
    // offset, not a translated one. Leaves the reader on the character after the run.
    template <typename Accept>
    std::string_view takeRun(Accept accept)
    {
        if (m_ch == kEof || m_offset + 1 != m_next)
            return {};
        std::size_t begin = m_offset;
        std::size_t end = begin;
        while (end < m_size && accept(end))
            ++end;
        if (end == begin)
            return {};
        m_next = end;
        next();
        return std::string_view(m_data + begin, end - begin);
    }

    // What each byte is to the reader, looked up once instead of compared several times.
    enum ByteClass : std::uint8_t {
        kAsIs = 1,   // passed through unchanged: printable and not "<"
        kPlain = 2,  // also not "&", so part of a text run
        kLetter = 4, // A-Z, a-z
    };
    static constexpr std::array<std::uint8_t, 256> kByteClasses = [] {
        std::array<std::uint8_t, 256> classes{};
        for (int c = 32; c < 256; ++c) {
            if (c == '<' || c == 127)
                continue;
            classes[c] = kAsIs;
            if (c != '&')
                classes[c] |= kPlain;
            if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
                classes[c] |= kLetter;
        }
        return classes;
    }();
    static bool is(unsigned char c, ByteClass what) { return (kByteClasses[c] & what) != 0; }
    static bool isLetter(int c) { return c >= 0 && c < 256 && is(static_cast<unsigned char>(c), kLetter); }
    static bool plain(unsigned char c) { return is(c, kPlain); }
    bool plainAt(std::size_t i, bool collapseSpaces) const
    {
        auto c = static_cast<unsigned char>(m_data[i]);
        if (c != ' ' || !collapseSpaces)
            return plain(c);
        // One space collapses to itself when a printable byte follows, or when the text stops
        // right after it: at the end, an "&", or a "<" that does not open a comment.
        if (i + 1 >= m_size)
            return true;
        auto after = static_cast<unsigned char>(m_data[i + 1]);
        if (after == ' ')
            return false;
        if (plain(after) || after == '&')
            return true;
        return after == '<' && (i + 2 >= m_size || m_data[i + 2] != '!');
    }
    static bool dropped(unsigned char c) { return (c < 32 && c != '\t' && c != '\n' && c != '\r') || c == 127; }
    void nextSlow();
    void skipComment();

    const char* m_data;
    std::size_t m_size;
    std::size_t m_next = 0; // next raw byte
    int m_ch = kEof;
    std::size_t m_offset = 0;
};

} // namespace tessera::viewer
