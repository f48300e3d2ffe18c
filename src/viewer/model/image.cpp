#include "viewer/model/image.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace tessera::viewer {

bool DiskFileReader::exists(const std::string& fileName)
{
    std::error_code error;
    return std::filesystem::is_regular_file(fileName, error);
}

bool DiskFileReader::readAll(const std::string& fileName, std::string& bytes)
{
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad())
        return false;
    bytes = std::move(buffer).str();
    return true;
}

void applyTransparentColor(Bitmap& bitmap, std::uint32_t rgb)
{
    for (std::uint32_t& pixel : bitmap.pixels) {
        if ((pixel & 0xFFFFFF) == (rgb & 0xFFFFFF))
            pixel &= 0xFFFFFF;
    }
    bitmap.hasMask = true;
}

} // namespace tessera::viewer
