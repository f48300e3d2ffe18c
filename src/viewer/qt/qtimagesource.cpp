#include "viewer/qt/qtimagesource.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace tessera::viewer {

std::optional<DecodedImage> decodedImage(const QImage& image)
{
    if (image.isNull() || image.width() > kMaxImageSide || image.height() > kMaxImageSide)
        return std::nullopt;
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    DecodedImage decoded;
    decoded.bitmap.width = pixels.width();
    decoded.bitmap.height = pixels.height();
    decoded.bitmap.pixels.resize(static_cast<std::size_t>(pixels.width()) * static_cast<std::size_t>(pixels.height()));
    bool mask = false;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(pixels.constScanLine(y));
        std::uint32_t* out = decoded.bitmap.pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(pixels.width());
        for (int x = 0; x < pixels.width(); ++x) {
            out[x] = row[x];
            mask = mask || (row[x] >> 24) != 0xFF;
        }
    }
    decoded.bitmap.hasMask = mask;
    return decoded;
}

QString QtImageSource::resolve(const std::string& src) const
{
    QString name = QString::fromUtf8(src.data(), static_cast<qsizetype>(src.size())).trimmed();
    if (name.startsWith(QLatin1String("file://"), Qt::CaseInsensitive))
        name = name.mid(7);
    else if (name.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        name = name.mid(5);
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    name.replace(QLatin1Char('|'), QLatin1Char(':'));
    // "file:///C|/pics/a.gif" names a drive; "file:///home/a.gif" an absolute path.
    if (name.size() >= 3 && name[0] == QLatin1Char('/') && name[1].isLetter() && name[2] == QLatin1Char(':'))
        name = name.mid(1);
    if (QFileInfo(name).isRelative() && !m_base.isEmpty())
        name = QDir(m_base).filePath(name);
    return QDir::cleanPath(name);
}

std::optional<DecodedImage> QtImageSource::loadImage(const std::string& src)
{
    QString file = resolve(src);
    QString suffix = QFileInfo(file).suffix().toLower();
    static const char* const formats[][2] = {{"bmp", "bmp"}, {"gif", "gif"}, {"png", "png"}, {"jpg", "jpeg"}, {"jpeg", "jpeg"}};
    const char* format = nullptr;
    for (const auto& entry : formats) {
        if (suffix == QLatin1String(entry[0]))
            format = entry[1];
    }
    if (!format)
        return std::nullopt;
    QImageReader reader(file, format);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > kMaxImageSide || size.height() > kMaxImageSide))
        return std::nullopt;
    return decodedImage(reader.read());
}

} // namespace tessera::viewer
