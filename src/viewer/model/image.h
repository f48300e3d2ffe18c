#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tessera::viewer {

// A decoded picture: width × height pixels, row by row from the top, each 0xAARRGGBB.
// Alpha 0 marks transparent pixels (the transparency mask).
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    bool hasMask = false;

    std::uint32_t pixel(int x, int y) const { return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]; }
};

// A picture as an image source hands it back: the pixels, and the colour to treat as
// transparent when the file declares one (a GIF's transparent index), as 0xRRGGBB.
struct DecodedImage {
    Bitmap bitmap;
    std::optional<std::uint32_t> transparentColor;
};

// Where the engine gets its pictures. The desktop implements it with the platform's image
// library; tests implement it in memory. `src` is the image's SRC as written in the page.
class ImageSource {
public:
    virtual ~ImageSource() = default;
    virtual std::optional<DecodedImage> loadImage(const std::string& src) = 0;
};

// Reads a whole file as bytes; returns false when the file does not exist or cannot be read.
class FileReader {
public:
    virtual ~FileReader() = default;
    virtual bool exists(const std::string& fileName) = 0;
    virtual bool readAll(const std::string& fileName, std::string& bytes) = 0;
};

// The plain file system, through the C++ library.
class DiskFileReader : public FileReader {
public:
    bool exists(const std::string& fileName) override;
    bool readAll(const std::string& fileName, std::string& bytes) override;
};

// Makes every pixel of `rgb` (0xRRGGBB) transparent.
void applyTransparentColor(Bitmap& bitmap, std::uint32_t rgb);

} // namespace tessera::viewer
