#pragma once

#include "spell/engine/dctbuilder.h"
#include "spell/engine/dctformat.h"
#include "spell/engine/dictionary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace tessera::spell::test {

// A fresh directory per test, removed afterwards.
class SpellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::random_device random;
        m_dir = std::filesystem::temp_directory_path() / ("spell-test-" + std::to_string(random()));
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_dir, ignored);
    }

    std::string path(const std::string& name) const { return (m_dir / name).string(); }

    std::string writeFile(const std::string& name, const std::string& bytes) const
    {
        std::ofstream out(path(name), std::ios::binary);
        out << bytes;
        return path(name);
    }

    std::string readFile(const std::string& name) const
    {
        std::ifstream in(path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // Builds NAME from UTF-8 words with the builder the command-line tool uses.
    std::string buildDictionary(const std::vector<std::string>& words, const std::string& name = "TEST.DCT",
                                DictionaryBuildReport* report = nullptr) const
    {
        DictionaryBuildReport local;
        std::string error;
        EXPECT_TRUE(buildDictionaryFile(words, path(name), {}, report ? *report : local, error)) << error;
        return path(name);
    }

    std::filesystem::path m_dir;
};

// A file image with a valid header holding the given node words.
inline std::string imageWithNodes(const std::vector<dct::Node>& nodes)
{
    std::vector<std::uint32_t> words;
    for (const dct::Node& node : nodes)
        words.push_back(dct::packNode(node));
    return dictionaryFileImage(words);
}

} // namespace tessera::spell::test
