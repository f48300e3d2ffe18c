#include "viewer/model/clipbuffer.h"

#include "viewer/model/section.h"

namespace tessera::viewer {

void ClipBuffer::AddText(std::string_view text)
{
    for (char c : text) {
        if (c != kImagePlaceholder && c != kControlPlaceholder)
            m_text.push_back(c);
    }
}

void ClipBuffer::AddTextCR(std::string_view text)
{
    AddText(text);
    m_text += "\r\n";
}

const std::string& ClipBuffer::Terminate()
{
    if (m_sink)
        m_sink(m_text);
    return m_text;
}

} // namespace tessera::viewer
