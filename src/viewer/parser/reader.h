#pragma once

#include <cstddef>
#include <string_view>

namespace tessera::viewer {

// The character reader: walks the page text one character at a time, turning every kind of
// line end into one carriage return and a tab into a space, dropping control characters, and
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
    bool atWhite() const { return m_ch == ' ' || m_ch == '\r'; }

    // Throws EParseError when the text ends inside a comment.
    void next()
    {
        // Most characters are plain text: take them without the general path.
        if (m_next < m_size) {
            unsigned char c = static_cast<unsigned char>(m_data[m_next]);
            if (c >= 32 && c != '<' && c != 127) {
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

private:
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
