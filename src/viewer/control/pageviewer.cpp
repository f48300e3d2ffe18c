#include "viewer/control/pageviewer.h"

#include "viewer/layout/linewalk.h"
#include "viewer/model/clipbuffer.h"
#include "viewer/model/fixedsections.h"
#include "viewer/model/form.h"
#include "viewer/model/formcontrol.h"
#include "viewer/model/section.h"
#include "viewer/model/table.h"
#include "viewer/model/viewererror.h"
#include "viewer/parser/htmlparser.h"
#include "viewer/qt/qtcanvas.h"
#include "viewer/qt/qtimagesource.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPainter>
#include <QPalette>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QUrl>

#include <algorithm>
#include <functional>
#include <limits>

namespace tessera::viewer {

namespace {

Color toColor(const QColor& color) { return Color::fromRgb(color.rgb() & 0xFFFFFF); }

std::string utf8(const QString& text) { return text.toUtf8().toStdString(); }
QString qstr(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Sets a flag for the lifetime of a scope, so an error leaves it cleared.
class FlagGuard {
public:
    explicit FlagGuard(bool& flag) : m_flag(flag) { m_flag = true; }
    ~FlagGuard() { m_flag = false; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

private:
    bool& m_flag;
};

bool isPageName(const QString& file)
{
    QString suffix = QFileInfo(file).suffix().toLower();
    return suffix == QLatin1String("htm") || suffix == QLatin1String("html");
}

} // namespace

bool isRemoteLink(const QString& link)
{
    // A scheme of two or more letters before ":" (one letter would be a drive name).
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    QString trimmed = link.trimmed();
    return scheme.match(trimmed).hasMatch() && !trimmed.startsWith(QLatin1String("file:"), Qt::CaseInsensitive);
}

QString resolveLocalName(const QString& name, const QString& base, const QString& currentFile)
{
    QString text = name.trimmed();
    if (text.isEmpty() || isRemoteLink(text))
        return QString();
    auto toPath = [](QString value) {
        if (value.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
            QUrl url(value.replace(QLatin1Char('\\'), QLatin1Char('/')));
            QString local = url.isValid() ? url.toLocalFile() : QString();
            if (local.isEmpty()) {
                value = value.mid(5);
                while (value.startsWith(QLatin1String("//")))
                    value = value.mid(1);
                local = QUrl::fromPercentEncoding(value.toUtf8());
            }
            value = local;
        }
        value.replace(QLatin1Char('\\'), QLatin1Char('/'));
        return value;
    };
    QString path = toPath(text);
    if (path.isEmpty())
        return QString();
    if (QDir::isRelativePath(path)) {
        QString directory;
        if (base.compare(QLatin1String("DosPath"), Qt::CaseInsensitive) == 0) {
            directory = QDir::currentPath();
        } else if (!base.trimmed().isEmpty() && !isRemoteLink(base)) {
            QString basePath = toPath(base.trimmed());
            directory = basePath.endsWith(QLatin1Char('/')) || QFileInfo(basePath).isDir() ? basePath
                                                                                            : QFileInfo(basePath).path();
            if (QDir::isRelativePath(directory))
                directory = QDir::current().filePath(directory);
        } else if (!currentFile.isEmpty()) {
            directory = QFileInfo(currentFile).absolutePath();
        } else {
            directory = QDir::currentPath();
        }
        path = QDir(directory).filePath(path);
    }
    return QDir::cleanPath(path);
}

// --- pictures ------------------------------------------------------------------------------

std::optional<DecodedImage> PictureCache::get(const QString& path)
{
    QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return std::nullopt;
    QString key = info.absoluteFilePath() + QLatin1Char('\n')
                  + QString::number(info.lastModified().toMSecsSinceEpoch()) + QLatin1Char('\n')
                  + QString::number(info.size());
    auto it = m_items.find(key);
    if (it != m_items.end()) {
        it->age = 0;
        return it->image;
    }
    ++m_decodes;
    QtImageSource decoder;
    std::optional<DecodedImage> image = decoder.loadImage(utf8(info.absoluteFilePath()));
    if (m_count > 0)
        m_items.insert(key, Item{image, 0});
    return image;
}

std::optional<DecodedImage> PictureCache::getSupplied(const QString& key,
                                                      const std::function<std::optional<DecodedImage>()>& supply)
{
    // A prefix no file path has, so the two kinds of entry never meet.
    const QString slot = QLatin1String("\nsrc:") + key;
    auto it = m_items.find(slot);
    if (it != m_items.end()) {
        it->age = 0;
        return it->image;
    }
    std::optional<DecodedImage> image = supply();
    if (image && m_count > 0)
        m_items.insert(slot, Item{image, 0});
    return image;
}

void PictureCache::age()
{
    for (auto it = m_items.begin(); it != m_items.end();) {
        if (++it->age > m_count)
            it = m_items.erase(it);
        else
            ++it;
    }
}

void PictureCache::setCount(int count)
{
    m_count = std::clamp(count, 0, TStringBitmapList::kMaxCacheSize);
    for (auto it = m_items.begin(); it != m_items.end();) {
        if (it->age > m_count || m_count == 0)
            it = m_items.erase(it);
        else
            ++it;
    }
}

// Resolves an image's SRC like a link and reads it through the picture cache.
class TPageViewer::Images : public ImageSource {
public:
    explicit Images(TPageViewer& viewer) : m_viewer(viewer) {}
    std::optional<DecodedImage> loadImage(const std::string& src) override
    {
        if (m_viewer.m_bitmapRequest)
            return m_viewer.m_pictures.getSupplied(qstr(TStringBitmapList::keyFor(src)), [&] { return requested(src); });
        QString path = resolveLocalName(qstr(src), m_viewer.m_base, m_viewer.m_loadingFile);
        if (path.isEmpty())
            return std::nullopt;
        return m_viewer.m_pictures.get(path);
    }

private:
    std::optional<DecodedImage> requested(const std::string& src)
    {
        // A copy: the handler may replace itself while it runs.
        BitmapRequest handler = m_viewer.m_bitmapRequest;
        QImage bitmap;
        qint64 color = -1;
        handler(qstr(src), bitmap, color);
        std::optional<DecodedImage> decoded = decodedImage(bitmap);
        if (decoded && color != -1)
            decoded->transparentColor = static_cast<std::uint32_t>(color) & 0xFFFFFFu;
        return decoded;
    }

    TPageViewer& m_viewer;
};

// Reads page files, opening only regular files, and keeps the bytes of the page it read so that
// source offsets can be mapped back to them.
class TPageViewer::Files : public FileReader {
public:
    explicit Files(std::string& source) : m_source(source) {}
    bool exists(const std::string& fileName) override { return QFileInfo(qstr(fileName)).isFile(); }
    bool readAll(const std::string& fileName, std::string& bytes) override
    {
        QFile file(qstr(fileName));
        if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
            return false;
        QByteArray data = file.readAll();
        bytes.assign(data.constData(), static_cast<std::size_t>(data.size()));
        m_source = bytes;
        return true;
    }

private:
    std::string& m_source;
};

// --- construction and properties ------------------------------------------------------------

TPageViewer::TPageViewer(QWidget* parent)
    : QAbstractScrollArea(parent), m_document(std::make_unique<TSectionList>()), m_images(std::make_unique<Images>(*this))
{
    m_background = palette().color(QPalette::Button);
    m_fontColor = palette().color(QPalette::ButtonText);
    m_document->setImageSource(m_images.get());
    // The document's own cache keys pictures by SRC alone; ours knows the file behind each one,
    // so the document keeps none from one load to the next.
    m_document->bitmapCache().SetCacheCount(0);
    m_document->submitHook = [this](FormSubmission submission) { takeSubmission(std::move(submission)); };
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    verticalScrollBar()->setSingleStep(kLineStep);
    horizontalScrollBar()->setSingleStep(kColumnStep);
    m_autoScroll.setInterval(100);
    connect(&m_autoScroll, &QTimer::timeout, this, &TPageViewer::autoScrollStep);
    applyFonts();
    updateScrollBars();
}

TPageViewer::~TPageViewer()
{
    m_document->submitHook = nullptr;
}

void TPageViewer::applyFonts()
{
    m_document->ApplyDefaultFonts(utf8(m_fontName), utf8(m_preFontName), m_fontSize, toColor(m_fontColor),
                                  toColor(m_linkColor), toColor(m_background));
    m_document->viewImages = m_viewImages;
}

void TPageViewer::restyle()
{
    applyFonts();
    layoutDocument();
}

void TPageViewer::setDefBackground(const QColor& color)
{
    m_background = color;
    restyle();
}

void TPageViewer::setDefFontName(const QString& name)
{
    if (name.trimmed().isEmpty())
        return;
    m_fontName = name;
    restyle();
}

void TPageViewer::setDefPreFontName(const QString& name)
{
    if (name.trimmed().isEmpty())
        return;
    m_preFontName = name;
    restyle();
}

void TPageViewer::setDefFontSize(int size)
{
    m_fontSize = std::clamp(size, TSectionList::kMinFontSize, TSectionList::kMaxFontSize);
    restyle();
}

void TPageViewer::setDefFontColor(const QColor& color)
{
    m_fontColor = color;
    restyle();
}

void TPageViewer::setDefHotSpotColor(const QColor& color)
{
    m_linkColor = color;
    restyle();
}

void TPageViewer::setImageCacheCount(int count) { m_pictures.setCount(count); }

void TPageViewer::setOnBitmapRequest(BitmapRequest handler)
{
    m_bitmapRequest = std::move(handler);
    // Pictures taken from the other source must not stand in for this one's.
    m_pictures.clear();
}

void TPageViewer::setNoSelect(bool on)
{
    m_noSelect = on;
    if (on) {
        m_document->selectionStart = -1;
        m_document->selectionEnd = -1;
    } else {
        m_document->selectionStart = m_document->selectionEnd = 0;
    }
    viewport()->update();
}

void TPageViewer::setScrollBars(TScrollStyle style)
{
    m_scrollStyle = style;
    layoutDocument();
}

void TPageViewer::setBorderStyle(THTMLBorderStyle style)
{
    m_borderStyle = style;
    setFrameStyle(style == THTMLBorderStyle::htNone ? QFrame::NoFrame : QFrame::Box | QFrame::Plain);
    update();
}

void TPageViewer::setViewImages(bool on)
{
    if (m_processing || on == m_viewImages)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    {
        FlagGuard busy(m_processing);
        m_viewImages = on;
        m_document->viewImages = on;
        if (!m_document->sections().empty()) {
            std::uint32_t position = Position();
            // Pictures are read when laid out; a document first shown without them has none yet.
            std::function<void(TCell&)> forget = [&](TCell& cell) {
                for (auto& section : cell.sections()) {
                    if (auto* text = dynamic_cast<TSection*>(section.get())) {
                        for (auto& image : text->images())
                            image->loadAttempted = false;
                    } else if (auto* table = dynamic_cast<ThtmlTable*>(section.get())) {
                        for (auto& row : table->rows()) {
                            for (auto& tableCell : row) {
                                if (tableCell)
                                    forget(tableCell->cell());
                            }
                        }
                    }
                }
            };
            forget(*m_document);
            try {
                layoutDocument();
            } catch (const std::exception& error) {
                m_lastError = QString::fromUtf8(error.what());
            }
            setPosition(position);
        }
    }
    QApplication::restoreOverrideCursor();
    viewport()->update();
}

// --- loading -------------------------------------------------------------------------------

void TPageViewer::prepareDocument()
{
    closeEditor();
    m_document->Clear();
    m_names.clear();
    m_source.clear();
    m_document->bitmapCache().BumpAndCheck();
    m_pictures.age();
    applyFonts();
    m_submissions.clear();
    m_selectionAnchor = -1;
    m_selecting = false;
    m_autoScroll.stop();
    if (m_noSelect) {
        m_document->selectionStart = m_document->selectionEnd = -1;
    } else {
        m_document->selectionStart = m_document->selectionEnd = 0;
    }
}

bool TPageViewer::finishLoad(bool ok, const QString& message)
{
    m_lastError = message;
    if (!ok)
        emit loadError(message);
    viewport()->update();
    return runPending() && ok;
}

bool TPageViewer::runPending()
{
    if (!m_pending)
        return true;
    Pending pending = std::move(*m_pending);
    m_pending.reset();
    return pending.file ? LoadDocFile(pending.name) : LoadTextBlock(pending.text);
}

bool TPageViewer::LoadTextBlock(const char* text, qsizetype length)
{
    if (m_processing) {
        // Asked for from a handler of this very load: run it, once, when this one ends.
        m_pending = Pending{false, QByteArray(text, std::max<qsizetype>(length, 0)), QString()};
        return true;
    }
    bool ok = true;
    QString message;
    {
        FlagGuard busy(m_processing);
        prepareDocument();
        m_loadingFile.clear();
        m_base.clear();
        m_source.assign(text ? text : "", static_cast<std::size_t>(std::max<qsizetype>(length, 0)));
        try {
            ParseResult result = ParseTextBlock(*m_document, m_names,
                                                std::string_view(text ? text : "", static_cast<std::size_t>(std::max<qsizetype>(length, 0))));
            m_title = qstr(result.title);
            m_base = qstr(result.base);
            layoutDocument();
        } catch (const std::exception& error) {
            ok = false;
            message = QString::fromUtf8(error.what());
        }
        m_currentFile.clear();
        verticalScrollBar()->setValue(0);
        horizontalScrollBar()->setValue(0);
    }
    return finishLoad(ok, message);
}

bool TPageViewer::LoadStrings(const QStringList& lines) { return LoadTextBlock(lines.join(QLatin1String("\r\n")).append(QLatin1String("\r\n")).toUtf8()); }

bool TPageViewer::LoadDocFile(const QString& name)
{
    if (name.trimmed().isEmpty())
        return false;
    if (m_processing) {
        m_pending = Pending{true, QByteArray(), name};
        return true;
    }
    const QString oldFile = m_currentFile;
    const QString oldTitle = m_title;
    const std::uint32_t oldPosition = Position();
    QString file = name.trimmed();
    QString anchor;
    qsizetype hash = file.indexOf(QLatin1Char('#'));
    if (hash >= 0) {
        anchor = file.mid(hash + 1);
        file = file.left(hash);
    }
    QString full = resolveLocalName(file, QString(), m_currentFile);
    bool ok = true;
    QString message;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    {
        FlagGuard busy(m_processing);
        // Checked before anything is emptied, so a broken link leaves the page on show.
        if (full.isEmpty() || !QFileInfo(full).isFile()) {
            ok = false;
            message = QString::fromLatin1(messages::kCantLocateFile) + name;
        } else {
            prepareDocument();
            m_loadingFile = full;
            m_base.clear();
            Files files(m_source);
            try {
                ParseResult result = ParseTextFile(*m_document, m_names, utf8(full), files);
                m_currentFile = full;
                m_title = qstr(result.title);
                m_base = qstr(result.base);
                layoutDocument();
            } catch (const std::exception& error) {
                ok = false;
                message = QString::fromUtf8(error.what());
                m_currentFile = full;
            }
            if (!anchor.isEmpty() && ScrollToAnchor(anchor)) {
            } else if (anchor.isEmpty() && full != oldFile) {
                verticalScrollBar()->setValue(0);
                horizontalScrollBar()->setValue(0);
            }
        }
    }
    QApplication::restoreOverrideCursor();
    if (ok && m_currentFile != oldFile)
        recordHistory(oldFile, oldTitle, oldPosition);
    return finishLoad(ok, message);
}

void TPageViewer::Clear()
{
    if (m_processing)
        return;
    prepareDocument();
    m_title.clear();
    m_base.clear();
    m_currentFile.clear();
    m_loadingFile.clear();
    m_docHeight = m_maxWidth = 0;
    updateScrollBars();
    viewport()->update();
}

// --- layout and scrolling ------------------------------------------------------------------

int TPageViewer::layoutWidth() const
{
    int width = frameRect().width() - 2 * frameWidth() - 2 * kMargin;
    if (m_scrollStyle == TScrollStyle::ssVertical || m_scrollStyle == TScrollStyle::ssBoth)
        width -= style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return std::max(width, 20);
}

void TPageViewer::layoutDocument()
{
    emit processingChanged(true);
    struct Done {
        TPageViewer* viewer;
        ~Done() { emit viewer->processingChanged(false); }
    } done{this};
    closeEditor();
    m_docHeight = 0;
    m_maxWidth = 0;
    try {
        LayoutResult result = m_engine.layoutDocument(*m_document, layoutWidth());
        m_docHeight = result.height;
        m_maxWidth = result.maxWidth;
    } catch (...) {
        updateScrollBars();
        throw;
    }
    updateScrollBars();
    viewport()->update();
}

void TPageViewer::updateScrollBars()
{
    bool vertical = m_scrollStyle == TScrollStyle::ssVertical || m_scrollStyle == TScrollStyle::ssBoth;
    bool horizontal = m_scrollStyle == TScrollStyle::ssHorizontal || m_scrollStyle == TScrollStyle::ssBoth;
    int clientHeight = frameRect().height() - 2 * frameWidth();
    int clientWidth = frameRect().width() - 2 * frameWidth();
    bool showVertical = vertical && m_docHeight + 2 * kMargin > clientHeight - 2;
    int available = clientWidth - (showVertical ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0);
    // Only content wider than the width it was laid out at needs the bar; a float placed flush
    // with the right edge does not.
    bool showHorizontal = horizontal && m_maxWidth > layoutWidth();
    setVerticalScrollBarPolicy(showVertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(showHorizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    int panelHeight = clientHeight - (showHorizontal ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0);
    int panelWidth = available;
    verticalScrollBar()->setRange(0, std::max(0, m_docHeight + 2 * kMargin - panelHeight));
    verticalScrollBar()->setPageStep(std::max(kLineStep, panelHeight - kLineStep));
    horizontalScrollBar()->setRange(0, std::max(0, m_maxWidth + 2 * kMargin - panelWidth));
    horizontalScrollBar()->setPageStep(std::max(kColumnStep, panelWidth));
    m_document->setScrollOffset(verticalScrollBar()->value());
}

void TPageViewer::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    if (m_processing)
        return;
    if (event->oldSize().width() != event->size().width()) {
        std::uint32_t position = Position();
        try {
            layoutDocument();
        } catch (const std::exception& error) {
            m_lastError = QString::fromUtf8(error.what());
        }
        setPosition(position);
    } else {
        updateScrollBars();
    }
}

void TPageViewer::scrollContentsBy(int, int)
{
    m_document->setScrollOffset(verticalScrollBar()->value());
    closeEditor();
    viewport()->update();
}

std::uint32_t TPageViewer::Position() const { return positionValue(*m_document, verticalScrollBar()->value()); }

void TPageViewer::setPosition(std::uint32_t value)
{
    int y = scrollForPosition(*m_document, value);
    if (y < 0)
        return;
    setVerticalPosition(y);
}

int TPageViewer::verticalPosition() const { return verticalScrollBar()->value(); }

void TPageViewer::setVerticalPosition(int value)
{
    verticalScrollBar()->setValue(std::clamp(value, 0, verticalScrollBar()->maximum()));
    m_document->setScrollOffset(verticalScrollBar()->value());
    viewport()->update();
}

int TPageViewer::scrollRange() const { return verticalScrollBar()->maximum(); }

bool TPageViewer::ScrollToAnchor(const QString& name)
{
    QString anchor = name.startsWith(QLatin1Char('#')) ? name.mid(1) : name;
    TSectionBase* section = m_names.find(utf8(anchor.toUpper()));
    if (!section)
        return false;
    setVerticalPosition(section->yPosition);
    horizontalScrollBar()->setValue(0);
    return true;
}

QPoint TPageViewer::toDocument(const QPoint& point) const
{
    return QPoint(point.x() + horizontalScrollBar()->value() - kMargin, point.y() + verticalScrollBar()->value() - kMargin);
}

// --- history -------------------------------------------------------------------------------

void TPageViewer::recordHistory(const QString& oldFile, const QString& oldTitle, std::uint32_t oldPosition)
{
    if (m_historyMax <= 0 || m_currentFile.isEmpty())
        return;
    if (oldFile == m_currentFile && oldPosition == Position())
        return;
    if (!m_history.isEmpty() && !oldFile.isEmpty()) {
        if (m_historyIndex < m_history.size())
            m_history[m_historyIndex] = HistoryEntry{oldFile, oldTitle, oldPosition};
        m_history.erase(m_history.begin(), m_history.begin() + std::min<qsizetype>(m_historyIndex, m_history.size()));
    }
    m_historyIndex = 0;
    m_history.prepend(HistoryEntry{m_currentFile, m_title, Position()});
    while (m_history.size() > m_historyMax)
        m_history.removeLast();
    emit historyChange();
}

void TPageViewer::setHistoryPos(int index)
{
    if (index == m_historyIndex || index < 0 || index > m_history.size() || m_processing)
        return;
    if (index == m_history.size()) {
        // Behind the oldest entry is a page given as text (the editor's own), once it is shown
        // again: from there Forward leads back into the history.
        if (!m_currentFile.isEmpty())
            return;
        m_historyIndex = index;
        emit historyChange();
        return;
    }
    const HistoryEntry target = m_history[index];
    if (target.file != m_currentFile) {
        // Loading must not record history; the history is moved through, not added to.
        const HistoryEntry leaving{m_currentFile, m_title, Position()};
        int keep = m_historyMax;
        m_historyMax = 0;
        const bool loaded = LoadDocFile(target.file);
        m_historyMax = keep;
        // A file gone since leaves the history and its place in it as they were.
        if (!loaded)
            return;
        if (!leaving.file.isEmpty() && m_historyIndex < m_history.size())
            m_history[m_historyIndex] = leaving;
    } else if (m_historyIndex < m_history.size()) {
        m_history[m_historyIndex] = HistoryEntry{m_currentFile, m_title, Position()};
    }
    setPosition(target.position);
    m_historyIndex = index;
    emit historyChange();
}

void TPageViewer::setHistoryMaxCount(int count)
{
    if (count < 0)
        return;
    m_historyMax = count;
    bool trimmed = false;
    while (m_history.size() > count) {
        m_history.removeLast();
        trimmed = true;
    }
    if (m_historyIndex >= m_history.size())
        m_historyIndex = std::max<int>(0, static_cast<int>(m_history.size()) - 1);
    if (trimmed)
        emit historyChange();
}

QStringList TPageViewer::historyFiles() const
{
    QStringList files;
    for (const HistoryEntry& entry : m_history)
        files << entry.file;
    return files;
}

// --- selection -----------------------------------------------------------------------------

int TPageViewer::SelectionLength() const
{
    if (m_noSelect)
        return 0;
    return m_document->selectionEnd - m_document->selectionStart;
}

void TPageViewer::SelectAll()
{
    if (m_noSelect)
        return;
    // The characters laid out run up to the end of the last section.
    const auto& sections = m_document->sections();
    m_document->selectionStart = 0;
    m_document->selectionEnd = sections.empty() ? 0 : sections.back()->startCursor + sections.back()->length;
    viewport()->update();
}

QString TPageViewer::selectedText() const
{
    if (SelectionLength() <= 0)
        return QString();
    ClipBuffer buffer;
    return qstr(m_document->copySelection(buffer));
}

QString TPageViewer::documentText() const
{
    ClipBuffer buffer;
    m_document->CopyToClipboard(buffer, 0, std::numeric_limits<int>::max() / 2);
    return qstr(buffer.Terminate());
}

QString TPageViewer::CopyToClipboard()
{
    QString text = selectedText();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
    return text;
}

void TPageViewer::updateSelectionTo(const QPoint& viewportPoint)
{
    if (m_noSelect || m_selectionAnchor < 0)
        return;
    QPoint point = toDocument(viewportPoint);
    int index = m_hits.FindCursor(*m_document, point.x(), point.y());
    if (index < 0)
        return;
    m_document->selectionStart = std::min(m_selectionAnchor, index);
    m_document->selectionEnd = std::max(m_selectionAnchor, index);
    viewport()->update();
}

void TPageViewer::autoScrollStep()
{
    if (!(QApplication::mouseButtons() & Qt::LeftButton) || !m_selecting) {
        m_autoScroll.stop();
        return;
    }
    QPoint point = viewport()->mapFromGlobal(QCursor::pos());
    int height = viewport()->height();
    int step = 0;
    if (point.y() < 0)
        step = point.y() < -15 ? -128 : -kLineStep;
    else if (point.y() >= height)
        step = point.y() >= height + 15 ? 128 : kLineStep;
    if (step == 0) {
        m_autoScroll.stop();
        return;
    }
    setVerticalPosition(verticalScrollBar()->value() + step);
    updateSelectionTo(QPoint(point.x(), std::clamp(point.y(), 0, std::max(0, height - 1))));
}

// --- mouse and keys ------------------------------------------------------------------------

bool TPageViewer::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Leave && !m_hotSpot.isEmpty()) {
        m_hotSpot.clear();
        emit hotSpotCovered(QString());
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void TPageViewer::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    QPoint point = toDocument(event->position().toPoint());
    if (event->modifiers() & Qt::ControlModifier) {
        long long offset = sourceOffsetAt(event->position().toPoint());
        if (offset >= 0)
            emit sourceClicked(offset);
        return;
    }
    if (TFormControlObj* control = m_hits.controlAt(*m_document, point.x(), point.y())) {
        clickControl(*control, event->position().toPoint());
        return;
    }
    closeEditor();
    int index = m_hits.FindCursor(*m_document, point.x(), point.y());
    if (index >= 0 && !m_noSelect) {
        m_document->selectionStart = m_document->selectionEnd = index;
        m_selectionAnchor = index;
        m_selecting = true;
        viewport()->update();
    }
}

void TPageViewer::mouseMoveEvent(QMouseEvent* event)
{
    QPoint viewportPoint = event->position().toPoint();
    m_mousePoint = viewportPoint;
    QPoint point = toDocument(viewportPoint);
    QString url = qstr(m_hits.GetURL(*m_document, point.x(), point.y()));
    viewport()->setCursor(url.isEmpty() ? Qt::IBeamCursor : Qt::PointingHandCursor);
    if (url != m_hotSpot) {
        m_hotSpot = url;
        emit hotSpotCovered(url);
    }
    if ((event->buttons() & Qt::LeftButton) && m_selecting) {
        if (viewportPoint.y() < 0 || viewportPoint.y() >= viewport()->height()) {
            if (!m_autoScroll.isActive())
                m_autoScroll.start();
        } else {
            updateSelectionTo(viewportPoint);
        }
    }
}

void TPageViewer::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    bool wasSelecting = m_selecting;
    m_selecting = false;
    m_autoScroll.stop();
    if (wasSelecting)
        updateSelectionTo(event->position().toPoint());
    bool click = m_noSelect || m_document->selectionEnd - m_document->selectionStart <= 1;
    if (!click)
        return;
    QPoint point = toDocument(event->position().toPoint());
    QString url = qstr(m_hits.GetURL(*m_document, point.x(), point.y()));
    if (!url.isEmpty()) {
        m_hotSpot = url;
        followLink(url);
    }
}

void TPageViewer::followLink(const QString& link)
{
    bool handled = false;
    emit hotSpotClick(link, &handled);
    if (handled || m_processing)
        return;
    const std::uint32_t before = Position();
    QString target = link.trimmed();
    QString anchor;
    qsizetype hash = target.indexOf(QLatin1Char('#'));
    if (hash >= 0) {
        anchor = target.mid(hash + 1);
        target = target.left(hash);
    }
    if (target.isEmpty()) {
        if (hash >= 0 && ScrollToAnchor(anchor))
            recordHistory(m_currentFile, m_title, before);
        return;
    }
    // Web and mail addresses are only reported; nothing is fetched or started.
    QString full = resolveLocalName(target, m_base, m_currentFile);
    if (full.isEmpty() || !isPageName(full))
        return;
    if (full != m_currentFile) {
        LoadDocFile(anchor.isEmpty() ? full : full + QLatin1Char('#') + anchor);
    } else if (!anchor.isEmpty() && ScrollToAnchor(anchor)) {
        recordHistory(m_currentFile, m_title, before);
    }
}

void TPageViewer::keyPressEvent(QKeyEvent* event)
{
    QScrollBar* vertical = verticalScrollBar();
    QScrollBar* horizontal = horizontalScrollBar();
    switch (event->key()) {
    case Qt::Key_PageUp: setVerticalPosition(vertical->value() - vertical->pageStep()); break;
    case Qt::Key_PageDown: setVerticalPosition(vertical->value() + vertical->pageStep()); break;
    case Qt::Key_Up: setVerticalPosition(vertical->value() - kLineStep); break;
    case Qt::Key_Down: setVerticalPosition(vertical->value() + kLineStep); break;
    case Qt::Key_Home: setVerticalPosition(0); break;
    case Qt::Key_End: setVerticalPosition(vertical->maximum()); break;
    case Qt::Key_Left: horizontal->setValue(horizontal->value() - kColumnStep); break;
    case Qt::Key_Right: horizontal->setValue(horizontal->value() + kColumnStep); break;
    default:
        if (event->matches(QKeySequence::Copy)) {
            CopyToClipboard();
        } else if (event->matches(QKeySequence::SelectAll)) {
            SelectAll();
        } else {
            QAbstractScrollArea::keyPressEvent(event);
        }
        return;
    }
    viewport()->update();
}

void TPageViewer::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    update();
}

void TPageViewer::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    update();
}

// --- form controls -------------------------------------------------------------------------

void TPageViewer::takeSubmission(FormSubmission submission)
{
    // The button's click is still running; the handler gets the lines once it has finished.
    m_submissions.push_back(std::move(submission));
    QMetaObject::invokeMethod(this, [this] {
        if (m_submissions.empty())
            return;
        FormSubmission next = std::move(m_submissions.front());
        m_submissions.erase(m_submissions.begin());
        QStringList lines;
        for (const std::string& line : next.results)
            lines << qstr(line);
        emit formSubmit(qstr(next.action), qstr(next.method), lines);
    }, Qt::QueuedConnection);
}

void TPageViewer::closeEditor()
{
    if (!m_editor)
        return;
    QWidget* editor = m_editor;
    m_editor = nullptr;
    editor->hide();
    editor->deleteLater();
}

namespace {

// A multi-line edit's text as the lines a form submits, one per line. A line break at the end
// leaves an empty last line, so the text and its lines turn into each other unchanged.
std::vector<std::string> textAreaLines(const QString& text)
{
    std::vector<std::string> lines;
    if (text.isEmpty())
        return lines;
    QString normal = text;
    normal.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    normal.replace(QChar(0x2029), QLatin1Char('\n'));
    for (const QString& line : normal.split(QLatin1Char('\n')))
        lines.push_back(utf8(line));
    return lines;
}

} // namespace

QWidget* TPageViewer::openEditor(TFormControlObj& control)
{
    const QFont font = qtFontFor(controlFont(control.kind(), *m_document));
    TFormControlObj* target = &control;
    // Each widget checks it is still the open one: a reload deletes the model it writes to.
    switch (control.kind()) {
    case ControlKind::Edit: {
        auto& edit = static_cast<TEditFormControlObj&>(control);
        auto* editor = new QLineEdit(viewport());
        editor->setFont(font);
        editor->setText(qstr(edit.text()));
        // Without MAXLENGTH a field takes any length, not the line editor's own limit.
        editor->setMaxLength(edit.maxLength() > 0 ? edit.maxLength() : std::numeric_limits<int>::max());
        if (edit.password())
            editor->setEchoMode(QLineEdit::Password);
        connect(editor, &QLineEdit::textEdited, this, [this, editor, target] {
            if (m_editor == editor)
                static_cast<TEditFormControlObj*>(target)->setText(utf8(editor->text()));
        });
        connect(editor, &QLineEdit::returnPressed, this, [this, editor, target] {
            if (m_editor != editor)
                return;
            closeEditor();
            if (ThtmlForm* form = target->form())
                form->ControlKeyPress(kEnterKey);
        });
        return editor;
    }
    case ControlKind::TextArea: {
        auto& area = static_cast<TTextAreaFormControlObj&>(control);
        auto* editor = new QPlainTextEdit(viewport());
        editor->setFont(font);
        // Lines stay as typed: only a typed line break starts a new submitted line.
        editor->setLineWrapMode(QPlainTextEdit::NoWrap);
        editor->setTabChangesFocus(true);
        QStringList lines;
        for (const std::string& line : area.lines())
            lines << qstr(line);
        editor->setPlainText(lines.join(QLatin1Char('\n')));
        connect(editor, &QPlainTextEdit::textChanged, this, [this, editor, target] {
            if (m_editor == editor)
                static_cast<TTextAreaFormControlObj*>(target)->setLines(textAreaLines(editor->toPlainText()));
        });
        return editor;
    }
    case ControlKind::Combo: {
        auto& combo = static_cast<TComboFormControlObj&>(control);
        auto* editor = new QComboBox(viewport());
        editor->setFont(font);
        for (const TOptionObj& option : combo.options())
            editor->addItem(qstr(option.text));
        editor->setCurrentIndex(combo.selectedIndex());
        connect(editor, &QComboBox::activated, this, [this, editor, target](int index) {
            if (m_editor != editor)
                return;
            static_cast<TComboFormControlObj*>(target)->setSelected(index, true);
            viewport()->update();
        });
        return editor;
    }
    case ControlKind::ListBox: {
        auto& list = static_cast<TListBoxFormControlObj&>(control);
        auto* editor = new QListWidget(viewport());
        editor->setFont(font);
        editor->setSelectionMode(list.multiple() ? QAbstractItemView::MultiSelection : QAbstractItemView::SingleSelection);
        int first = -1;
        for (int i = 0; i < static_cast<int>(list.options().size()); ++i) {
            auto* item = new QListWidgetItem(qstr(list.options()[static_cast<std::size_t>(i)].text), editor);
            item->setSelected(list.isSelected(i));
            if (first < 0 && list.isSelected(i))
                first = i;
        }
        if (first >= 0)
            editor->scrollToItem(editor->item(first));
        connect(editor, &QListWidget::itemSelectionChanged, this, [this, editor, target] {
            if (m_editor != editor)
                return;
            // The widget knows single from multiple choice; the model takes its answer row by row.
            auto* select = static_cast<TSelectFormControlObj*>(target);
            for (int i = 0; i < editor->count(); ++i)
                select->setSelected(i, editor->item(i)->isSelected());
            viewport()->update();
        });
        return editor;
    }
    case ControlKind::Button:
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
    case ControlKind::Hidden:
        break;
    }
    return nullptr;
}

void TPageViewer::clickControl(TFormControlObj& control, const QPoint& viewportPoint)
{
    closeEditor();
    QRect place(control.x + kMargin - horizontalScrollBar()->value(), control.y + kMargin - verticalScrollBar()->value(),
                control.width, control.height);
    switch (control.kind()) {
    case ControlKind::Button:
        static_cast<TButtonFormControlObj&>(control).click();
        break;
    case ControlKind::RadioButton:
        static_cast<TRadioButtonFormControlObj&>(control).click();
        break;
    case ControlKind::CheckBox: {
        auto& box = static_cast<TCheckBoxFormControlObj&>(control);
        box.setChecked(!box.checked());
        break;
    }
    case ControlKind::Hidden:
        break;
    case ControlKind::Edit:
    case ControlKind::TextArea:
    case ControlKind::Combo:
    case ControlKind::ListBox: {
        // A real widget over the painted control while it is being used; it goes when the page
        // scrolls, is laid out again or another control is clicked.
        QWidget* editor = openEditor(control);
        if (!editor)
            break;
        m_editor = editor;
        editor->setGeometry(place);
        editor->show();
        editor->setFocus(Qt::MouseFocusReason);
        const QPoint inside = viewportPoint - place.topLeft();
        // The click that opened the widget also does what it would have done in it.
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setCursorPosition(line->cursorPositionAt(inside));
        } else if (auto* text = qobject_cast<QPlainTextEdit*>(editor)) {
            text->setTextCursor(text->cursorForPosition(text->viewport()->mapFrom(text, inside)));
        } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            combo->showPopup();
        } else if (auto* list = qobject_cast<QListWidget*>(editor)) {
            if (QListWidgetItem* item = list->itemAt(list->viewport()->mapFrom(list, inside))) {
                if (list->selectionMode() == QAbstractItemView::MultiSelection)
                    item->setSelected(!item->isSelected());
                else
                    list->setCurrentItem(item);
            }
        }
        break;
    }
    }
    viewport()->update();
}

// --- painting ------------------------------------------------------------------------------

void TPageViewer::paintEvent(QPaintEvent* event)
{
    QRect area = event->rect().intersected(viewport()->rect());
    if (area.isEmpty())
        return;
    QPainter screen(viewport());
    if (m_processing) {
        screen.fillRect(area, m_background);
        return;
    }
    // Drawn off-screen and copied in one step, so scrolling does not flicker.
    QImage buffer(area.size(), QImage::Format_RGB32);
    if (buffer.isNull()) {
        screen.fillRect(area, m_background);
        if (m_lastError != QLatin1String(messages::kOutOfResources)) {
            m_lastError = QString::fromLatin1(messages::kOutOfResources);
            QMetaObject::invokeMethod(this, [this] { emit loadError(m_lastError); }, Qt::QueuedConnection);
        }
        return;
    }
    {
        QPainter painter(&buffer);
        Color background = m_document->background();
        painter.fillRect(buffer.rect(), QColor(background.r, background.g, background.b));
        QtCanvas canvas(painter);
        PaintOptions options;
        options.originX = kMargin - horizontalScrollBar()->value() - area.left();
        options.originY = kMargin - verticalScrollBar()->value() - area.top();
        options.clip = Rect{0, 0, area.width(), area.height()};
        QPalette colors = palette();
        options.buttonFace = toColor(colors.color(QPalette::Button));
        try {
            m_painter.paintDocument(*m_document, canvas, options);
        } catch (const std::exception&) {
            // A document that cannot be drawn shows its background; the next load replaces it.
        }
    }
    screen.drawImage(area.topLeft(), buffer);
    if (m_borderStyle == THTMLBorderStyle::htFocused && hasFocus()) {
        screen.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        screen.drawRect(viewport()->rect().adjusted(0, 0, -1, -1));
    }
}

// --- source offsets ------------------------------------------------------------------------

namespace {

bool isWhite(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The end of a comment that starts at `at`, read as the page reader reads comments; `at` when
// none starts there.
std::size_t skipComment(std::string_view src, std::size_t at)
{
    if (at + 1 >= src.size() || src[at] != '<' || src[at + 1] != '!')
        return at;
    if (src.substr(at + 2, 2) == "--") {
        std::size_t i = at + 4;
        for (;;) {
            std::size_t dash = src.find("--", i);
            if (dash == std::string_view::npos)
                return src.size();
            std::size_t j = dash + 2;
            while (j < src.size() && src[j] == '-')
                ++j;
            while (j < src.size() && isWhite(src[j]))
                ++j;
            if (j >= src.size())
                return src.size();
            if (src[j] == '>')
                return j + 1;
            i = j;
        }
    }
    std::size_t close = src.find('>', at + 2);
    return close == std::string_view::npos ? src.size() : close + 1;
}

// Where each byte of a run's text came from, relative to the run's first source byte, found by
// walking source and text side by side: white space the reader collapsed or a section dropped,
// comments and dropped control characters are stepped over, and every byte of an entity stands
// at the entity's start. The last entry, one past the text, is the run's end.
std::vector<std::size_t> alignRun(std::string_view src, std::string_view text)
{
    std::vector<std::size_t> at(text.size() + 1, src.size());
    std::size_t s = 0;
    auto skipComments = [&] {
        for (std::size_t next = skipComment(src, s); next != s; next = skipComment(src, s))
            s = next;
    };
    auto skipWhite = [&] {
        for (skipComments(); s < src.size() && isWhite(src[s]); skipComments())
            ++s;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char t = text[i];
        if (t == ' ')
            skipComments();
        else
            skipWhite();
        if (s >= src.size())
            break;
        if (t == ' ' && isWhite(src[s])) {
            at[i] = s;
            const bool lineEndPair = (src[s] == '\r' || src[s] == '\n') && s + 1 < src.size()
                && (src[s + 1] == '\r' || src[s + 1] == '\n') && src[s + 1] != src[s];
            s += lineEndPair ? 2 : 1;
            // One space of text for a run of white space, unless the text keeps them all.
            if (i + 1 >= text.size() || text[i + 1] != ' ')
                skipWhite();
            continue;
        }
        if (src[s] == t) {
            at[i] = s++;
            continue;
        }
        std::size_t ahead = src.substr(s, 16).find(t);
        if (ahead != std::string_view::npos) {
            s += ahead;
            at[i] = s++;
            continue;
        }
        at[i] = s;
    }
    return at;
}

// A stretch of the source that was laid out: a run of section text (also a picture's or a
// control's placeholder), or a rule or table as a whole.
struct SourcePlace {
    SourceRange source;
    TSection* section = nullptr;
    const TextRun* run = nullptr;
    TSectionBase* block = nullptr;
};

void visitPlaces(TCell& cell, const std::function<void(const SourcePlace&)>& visit, int depth = 0)
{
    if (depth > 200)
        return;
    for (auto& item : cell.sections()) {
        TSectionBase& section = *item;
        if (section.isTextSection()) {
            auto& text = static_cast<TSection&>(section);
            for (const TextRun& run : text.runs())
                visit(SourcePlace{run.source, &text, &run, nullptr});
        } else if (section.kind() == SectionKind::HorzLine) {
            visit(SourcePlace{section.source(), nullptr, nullptr, &section});
        } else if (section.kind() == SectionKind::Table) {
            auto& table = static_cast<ThtmlTable&>(section);
            // Only a mark at its start: what the table holds is found in its cells.
            visit(SourcePlace{SourceRange{section.source().begin, section.source().begin}, nullptr, nullptr, &section});
            if (TCellObj* caption = table.caption())
                visitPlaces(caption->cell(), visit, depth + 1);
            for (TCellList& row : table.rows()) {
                for (auto& cellObj : row) {
                    if (cellObj)
                        visitPlaces(cellObj->cell(), visit, depth + 1);
                }
            }
        }
    }
}

// The place that shows a source offset: one whose text holds it; else a run that ends right
// there; else, for an offset inside markup, the next place after it; else the last place.
std::optional<SourcePlace> placeOf(TCell& document, std::size_t offset)
{
    std::optional<SourcePlace> holding, ending, next, last;
    visitPlaces(document, [&](const SourcePlace& place) {
        const SourceRange& r = place.source;
        if (r.begin <= offset && offset < r.end) {
            if (!holding || r.end - r.begin < holding->source.end - holding->source.begin)
                holding = place;
        } else if (place.run && r.end == offset && r.end > r.begin) {
            ending = place;
        } else if (r.begin >= offset) {
            if (!next || r.begin < next->source.begin)
                next = place;
        }
        if (!last || r.end >= last->source.end)
            last = place;
    });
    if (holding)
        return holding;
    if (ending)
        return ending;
    return next ? next : last;
}

// The first place in a cell, by source order.
std::optional<SourcePlace> firstPlace(TCell& cell)
{
    std::optional<SourcePlace> first;
    visitPlaces(cell, [&](const SourcePlace& place) {
        if (!first || place.source.begin < first->source.begin)
            first = place;
    });
    return first;
}

// The source offset of the rule, or of the first thing in the innermost table cell, at a
// document point; -1 when there is neither.
long long blockOffsetAt(TCell& cell, int x, int y, int depth = 0)
{
    if (depth > 200)
        return -1;
    for (auto& item : cell.sections()) {
        TSectionBase& section = *item;
        if (y < section.yPosition || y >= section.yPosition + std::max(section.sectionHeight, section.drawHeight))
            continue;
        if (section.kind() == SectionKind::HorzLine)
            return static_cast<long long>(section.source().begin);
        if (section.kind() != SectionKind::Table)
            continue;
        auto& table = static_cast<ThtmlTable&>(section);
        std::vector<TCellObj*> cells;
        if (TCellObj* caption = table.caption())
            cells.push_back(caption);
        for (TCellList& row : table.rows()) {
            for (auto& cellObj : row) {
                if (cellObj)
                    cells.push_back(cellObj.get());
            }
        }
        for (TCellObj* cellObj : cells) {
            if (x < cellObj->x || x >= cellObj->x + cellObj->width || y < cellObj->y || y >= cellObj->y + cellObj->height)
                continue;
            long long inner = blockOffsetAt(cellObj->cell(), x, y, depth + 1);
            if (inner >= 0)
                return inner;
            if (std::optional<SourcePlace> first = firstPlace(cellObj->cell()))
                return static_cast<long long>(first->source.begin);
            return -1;
        }
    }
    return -1;
}

const TImageObj* imageAtPoint(TCell& cell, int x, int y, int depth = 0)
{
    if (depth > 200)
        return nullptr;
    for (auto& item : cell.sections()) {
        TSectionBase& section = *item;
        if (section.isTextSection()) {
            for (const auto& image : static_cast<TSection&>(section).images()) {
                if (x >= image->drawX && x < image->drawX + image->drawWidth && y >= image->drawY
                    && y < image->drawY + image->drawHeight)
                    return image.get();
            }
        } else if (section.kind() == SectionKind::Table) {
            auto& table = static_cast<ThtmlTable&>(section);
            if (TCellObj* caption = table.caption()) {
                if (const TImageObj* found = imageAtPoint(caption->cell(), x, y, depth + 1))
                    return found;
            }
            for (TCellList& row : table.rows()) {
                for (auto& cellObj : row) {
                    if (!cellObj)
                        continue;
                    if (const TImageObj* found = imageAtPoint(cellObj->cell(), x, y, depth + 1))
                        return found;
                }
            }
        }
    }
    return nullptr;
}

// Moves a byte position of UTF-8 text back to the start of its character.
int toCharStart(std::string_view text, int position)
{
    while (position > 0 && position < static_cast<int>(text.size())
           && (static_cast<unsigned char>(text[static_cast<std::size_t>(position)]) & 0xC0) == 0x80)
        --position;
    return position;
}

// The alignment of one run against the page source it came from; a run whose source is not at
// hand (beyond the text kept) maps byte for byte.
std::vector<std::size_t> alignmentOf(const std::string& source, const TSection& section, const TextRun& run)
{
    std::string_view text = std::string_view(section.text()).substr(static_cast<std::size_t>(run.textPos),
                                                                    static_cast<std::size_t>(std::max(0, run.length)));
    const std::size_t span = run.source.end > run.source.begin ? run.source.end - run.source.begin : 0;
    if (run.source.end <= source.size())
        return alignRun(std::string_view(source).substr(run.source.begin, span), text);
    std::vector<std::size_t> at(text.size() + 1);
    for (std::size_t i = 0; i < at.size(); ++i)
        at[i] = std::min(i, span);
    at.back() = span;
    return at;
}

} // namespace

long long TPageViewer::sourceOffsetAt(const QPoint& viewportPoint)
{
    if (m_processing)
        return -1;
    QPoint point = toDocument(viewportPoint);
    if (TFormControlObj* control = m_hits.controlAt(*m_document, point.x(), point.y()))
        return static_cast<long long>(control->sourceRange().begin);
    if (const TImageObj* image = imageAtPoint(*m_document, point.x(), point.y()))
        return static_cast<long long>(image->sourceRange().begin);
    TSection* section = nullptr;
    int index = m_hits.FindCursor(*m_document, point.x(), point.y(), &section);
    if (index >= 0 && section) {
        const int local = index - section->startCursor;
        const TextRun* chosen = nullptr;
        for (const TextRun& run : section->runs()) {
            if (run.textPos <= local && local < run.textPos + run.length) {
                chosen = &run;
                break;
            }
            if (run.textPos + run.length == local)
                chosen = &run;
        }
        if (chosen) {
            std::vector<std::size_t> at = alignmentOf(m_source, *section, *chosen);
            std::size_t into = static_cast<std::size_t>(std::clamp(local - chosen->textPos, 0, chosen->length));
            return static_cast<long long>(chosen->source.begin + at[std::min(into, at.size() - 1)]);
        }
    }
    return blockOffsetAt(*m_document, point.x(), point.y());
}

QRect TPageViewer::sourceRect(std::size_t offset)
{
    if (m_processing)
        return QRect();
    std::optional<SourcePlace> place = placeOf(*m_document, offset);
    if (!place)
        return QRect();
    if (place->block) {
        TSectionBase& block = *place->block;
        if (block.kind() == SectionKind::HorzLine) {
            auto& rule = static_cast<THorzLine&>(block);
            return QRect(rule.drawX, rule.yPosition, std::max(1, rule.drawWidth), std::max(1, rule.sectionHeight));
        }
        auto& table = static_cast<ThtmlTable&>(block);
        return QRect(table.left, table.yPosition, std::max(1, table.tableWidth), std::max(1, table.sectionHeight));
    }
    TSection& section = *place->section;
    const TextRun& run = *place->run;
    std::vector<std::size_t> at = alignmentOf(m_source, section, run);
    // The last text byte whose source starts at or before the offset.
    const std::size_t into = offset > run.source.begin ? offset - run.source.begin : 0;
    std::size_t byte = static_cast<std::size_t>(std::upper_bound(at.begin(), at.end(), into) - at.begin());
    byte = byte > 0 ? byte - 1 : 0;
    int local = toCharStart(section.text(), run.textPos + static_cast<int>(std::min<std::size_t>(byte, static_cast<std::size_t>(run.length))));
    if (local < static_cast<int>(section.text().size())) {
        const char c = section.text()[static_cast<std::size_t>(local)];
        if (c == kImagePlaceholder) {
            if (const TImageObj* image = imageAt(section, local))
                return QRect(image->drawX, image->drawY, std::max(1, image->drawWidth), std::max(1, image->drawHeight));
        } else if (c == kControlPlaceholder) {
            if (const TFormControlObj* control = controlAt(section, local))
                return QRect(control->x, control->y, std::max(1, control->width), std::max(1, control->height));
        }
    }
    int x = 0;
    int y = 0;
    int height = 0;
    if (m_hits.SectionCursorToXY(section, local, x, y, &height))
        return QRect(x, y, 1, std::max(1, height));
    return QRect(0, section.yPosition, 1, std::max(1, section.sectionHeight));
}

void TPageViewer::bringIntoView(const QRect& rect)
{
    const int top = rect.top() + kMargin;
    const int height = viewport()->height();
    const int view = verticalScrollBar()->value();
    if (top < view || top + rect.height() > view + height) {
        // A third of the way down, so the lines before it show too; a taller place shows its top.
        setVerticalPosition(rect.height() >= height ? top : top - (height - rect.height()) / 3);
    }
    QScrollBar* horizontal = horizontalScrollBar();
    const int left = rect.left() + kMargin;
    const int width = viewport()->width();
    const int shownWidth = std::min(rect.width(), width);
    if (left < horizontal->value() || left + shownWidth > horizontal->value() + width)
        horizontal->setValue(std::max(0, left - width / 3));
    viewport()->update();
}

bool TPageViewer::showSourceOffset(std::size_t offset)
{
    QRect rect = sourceRect(offset);
    if (rect.isEmpty())
        return false;
    bringIntoView(rect);
    return true;
}

} // namespace tessera::viewer
