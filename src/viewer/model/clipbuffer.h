#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tessera::viewer {

// Collects the text of a selection for the clipboard. Placeholder codes of images and form
// controls are left out. The buffer grows as needed, so a long selection is copied whole.
class ClipBuffer {
public:
    using Sink = std::function<void(const std::string&)>;

    explicit ClipBuffer(Sink sink = {}) : m_sink(std::move(sink)) {}

    void AddText(std::string_view text);
    void AddTextCR(std::string_view text);
    // Hands the text to the sink (the platform clipboard) and returns it.
    const std::string& Terminate();
    const std::string& text() const { return m_text; }

private:
    std::string m_text;
    Sink m_sink;
};

} // namespace tessera::viewer
