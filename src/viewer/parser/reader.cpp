#include "viewer/parser/reader.h"

#include "viewer/model/viewererror.h"

#include <cstring>

namespace tessera::viewer {

void Reader::nextSlow()
{
    for (;;) {
        while (m_next < m_size && dropped(static_cast<unsigned char>(m_data[m_next])))
            ++m_next;
        if (m_next >= m_size) {
            m_ch = kEof;
            m_offset = m_size;
            return;
        }
        m_offset = m_next;
        unsigned char c = static_cast<unsigned char>(m_data[m_next++]);
        switch (c) {
        case '\r':
        case '\n':
            // CR, LF, CR LF and LF CR are each one line end.
            if (m_next < m_size && (m_data[m_next] == '\r' || m_data[m_next] == '\n') && m_data[m_next] != char(c))
                ++m_next;
            m_ch = '\r';
            return;
        case '<':
            if (m_next < m_size && m_data[m_next] == '!') {
                ++m_next;
                skipComment();
                continue; // the character after the comment, which may start another one
            }
            m_ch = '<';
            return;
        default:
            m_ch = c;
            return;
        }
    }
}

void Reader::skipComment()
{
    auto find = [this](std::size_t from, char what) -> std::size_t {
        if (from >= m_size)
            return m_size;
        const void* hit = std::memchr(m_data + from, what, m_size - from);
        return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - m_data) : m_size;
    };
    if (m_next + 1 < m_size && m_data[m_next] == '-' && m_data[m_next + 1] == '-') {
        // "<!--" ends at "--", any further dashes, any white space, and ">".
        std::size_t i = m_next + 2;
        for (;;) {
            std::size_t dash = find(i, '-');
            while (dash + 1 < m_size && m_data[dash + 1] != '-')
                dash = find(dash + 1, '-');
            if (dash + 1 >= m_size)
                throw EParseError();
            std::size_t j = dash + 2;
            while (j < m_size && m_data[j] == '-')
                ++j;
            while (j < m_size && (m_data[j] == ' ' || m_data[j] == '\t' || m_data[j] == '\r' || m_data[j] == '\n'))
                ++j;
            if (j >= m_size)
                throw EParseError();
            if (m_data[j] == '>') {
                m_next = j + 1;
                return;
            }
            i = j;
        }
    }
    // "<!" with anything else ends at the next ">".
    std::size_t close = find(m_next, '>');
    if (close >= m_size)
        throw EParseError();
    m_next = close + 1;
}

} // namespace tessera::viewer
