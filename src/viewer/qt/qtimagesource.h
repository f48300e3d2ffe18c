#pragma once

#include "viewer/model/image.h"

#include <QString>

class QImage;

namespace tessera::viewer {

// The largest width or height a picture may have; larger ones are refused before decoding, so a
// hostile header cannot exhaust memory.
inline constexpr int kMaxImageSide = 10000;

// A decoded picture's pixels as the engine keeps them (ARGB, with a mask when any pixel is not
// opaque); nothing for a null picture or one beyond kMaxImageSide.
std::optional<DecodedImage> decodedImage(const QImage& image);

// Decodes BMP, GIF (its first frame), PNG and JPEG files with QImage. Relative names resolve
// against a base directory; other extensions give no picture.
class QtImageSource : public ImageSource {
public:
    explicit QtImageSource(QString baseDirectory = QString()) : m_base(std::move(baseDirectory)) {}
    void setBaseDirectory(const QString& directory) { m_base = directory; }

    std::optional<DecodedImage> loadImage(const std::string& src) override;
    // The file an SRC names: "file:" prefixes dropped, "\" read as "/", relative to the base.
    QString resolve(const std::string& src) const;

private:
    QString m_base;
};

} // namespace tessera::viewer
