#pragma once

#include "viewer/layout/hittest.h"
#include "viewer/layout/layout.h"
#include "viewer/model/sectionlist.h"
#include "viewer/paint/painter.h"
#include "viewer/qt/qttextmeasurer.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QRect>
#include <QStringList>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace tessera::viewer {

enum class THTMLBorderStyle { htFocused, htNone, htSingle };
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// One visited file; `position` is where the reader had scrolled to when leaving it.
struct HistoryEntry {
    QString file;
    QString title;
    std::uint32_t position = 0;
};

// Pictures decoded from disk, keyed by the full path and the file's modification time, so two
// folders' "logo.gif" stay apart and an edited picture is read again. Entries unused for more
// loads than the cache size are dropped.
class PictureCache {
public:
    std::optional<DecodedImage> get(const QString& path);
    // A picture a bitmap-request handler supplies, kept under `key` (the trimmed, upper-cased
    // SRC). `supply` runs only when the key is not cached; a picture it cannot give is not kept,
    // so it is asked again next time.
    std::optional<DecodedImage> getSupplied(const QString& key, const std::function<std::optional<DecodedImage>()>& supply);
    void age();
    void setCount(int count);
    int count() const { return m_count; }
    int size() const { return static_cast<int>(m_items.size()); }
    int decodeCount() const { return m_decodes; }
    void clear() { m_items.clear(); }

private:
    struct Item {
        std::optional<DecodedImage> image;
        int age = 0;
    };
    QHash<QString, Item> m_items;
    int m_count = 5;
    int m_decodes = 0;
};

// A link or image name from a page as a local file. `name` keeps its case; "\" separates
// directories as "/" does; "file:" URLs become paths. Relative names resolve against the base
// (unless it is "DosPath"), else the directory of the current file, else the working directory.
// Empty for addresses that are not local files (http:, mailto:, ...).
QString resolveLocalName(const QString& name, const QString& base, const QString& currentFile);
// Whether a link names something other than a local file (a scheme such as http: or mailto:).
bool isRemoteLink(const QString& link);

// Supplies the picture an image's SRC names, instead of the file loader. `color` comes in as -1;
// setting it to an RGB value (0xRRGGBB, an alpha byte is ignored) makes that colour transparent.
// A null bitmap means there is no picture (the frame and ALT text are drawn).
using BitmapRequest = std::function<void(const QString& src, QImage& bitmap, qint64& color)>;

// Shows one HTML document: loads it from text or a file, lays it out, paints it, lets the user
// select and copy, follows local links with a history and reports links and form submissions.
// It never fetches from the network and never runs anything a page contains.
class TPageViewer : public QAbstractScrollArea {
    Q_OBJECT

public:
    static constexpr int kMargin = 10;
    static constexpr int kLineStep = 16;
    static constexpr int kColumnStep = 15;

    explicit TPageViewer(QWidget* parent = nullptr);
    ~TPageViewer() override;

    // Loads. Each returns false on an error, whose message is lastError() and is also sent
    // through loadError(). A load asked for while another runs is done once that one ends.
    bool LoadTextBlock(const char* text, qsizetype length);
    bool LoadTextBlock(const QByteArray& text) { return LoadTextBlock(text.constData(), text.size()); }
    bool LoadStrings(const QStringList& lines);
    bool LoadTextLines(const QStringList& lines) { return LoadStrings(lines); }
    bool LoadDocFile(const QString& name);
    void Clear();
    QString lastError() const { return m_lastError; }

    std::uint32_t Position() const;
    void setPosition(std::uint32_t value);
    int verticalPosition() const;
    void setVerticalPosition(int value);
    int scrollRange() const;
    bool ScrollToAnchor(const QString& name);

    int HistoryPos() const { return m_historyIndex; }
    void setHistoryPos(int index);
    const QList<HistoryEntry>& History() const { return m_history; }
    QStringList historyFiles() const;
    int HistoryMaxCount() const { return m_historyMax; }
    void setHistoryMaxCount(int count);

    QString TitleText() const { return m_title; }
    QString ShownFileName() const { return m_currentFile; }
    QString base() const { return m_base; }
    bool processing() const { return m_processing; }

    int SelectionLength() const;
    void SelectAll();
    QString CopyToClipboard();
    QString selectedText() const;
    // The plain text of the whole document, as Select All and Copy would give it, read without
    // touching the selection or the clipboard.
    QString documentText() const;

    bool ViewImages() const { return m_viewImages; }
    void setViewImages(bool on);
    QColor DefBackground() const { return m_background; }
    void setDefBackground(const QColor& color);
    QString DefFontName() const { return m_fontName; }
    void setDefFontName(const QString& name);
    QString DefPreFontName() const { return m_preFontName; }
    void setDefPreFontName(const QString& name);
    int DefFontSize() const { return m_fontSize; }
    void setDefFontSize(int size);
    QColor DefFontColor() const { return m_fontColor; }
    void setDefFontColor(const QColor& color);
    QColor DefHotSpotColor() const { return m_linkColor; }
    void setDefHotSpotColor(const QColor& color);
    int ImageCacheCount() const { return m_pictures.count(); }
    void setImageCacheCount(int count);
    bool NoSelect() const { return m_noSelect; }
    void setNoSelect(bool on);
    TScrollStyle ScrollBars() const { return m_scrollStyle; }
    void setScrollBars(TScrollStyle style);
    THTMLBorderStyle BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(THTMLBorderStyle style);

    // For tests and the preview's source mapping.
    TSectionList& document() { return *m_document; }
    int documentHeight() const { return m_docHeight; }
    const PictureCache& pictures() const { return m_pictures; }
    QString linkUnderMouse() const { return m_hotSpot; }
    // The document point under a viewport point.
    QPoint toDocument(const QPoint& viewportPoint) const;
    // The source byte offset of what lies under a viewport point (text, a picture, a control,
    // a rule, or the first thing in the table cell there), or -1. Offsets count bytes of the
    // text last loaded.
    long long sourceOffsetAt(const QPoint& viewportPoint);
    // Where a source byte offset was laid out, in document coordinates: the text line at that
    // character, a picture, a control, a rule. An offset inside markup gives the next thing
    // laid out after it (the last one at the end). Empty when the document shows nothing.
    QRect sourceRect(std::size_t offset);
    // Scrolls so that sourceRect(offset) is in view; leaves the view still when it already is.
    // False when the document shows nothing.
    bool showSourceOffset(std::size_t offset);

    // With a handler, every picture not yet cached comes from it instead of from the files.
    void setOnBitmapRequest(BitmapRequest handler);
    const BitmapRequest& OnBitmapRequest() const { return m_bitmapRequest; }
    // Follows a link as a click on it does.
    void followLink(const QString& link);

signals:
    void hotSpotCovered(const QString& src);
    void hotSpotClick(const QString& src, bool* handled);
    void formSubmit(const QString& action, const QString& method, const QStringList& results);
    void historyChange();
    void processingChanged(bool on);
    void loadError(const QString& message);
    void sourceClicked(long long offset);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;

private:
    class Images;
    class Files;
    struct Pending {
        bool file = false;
        QByteArray text;
        QString name;
    };

    void prepareDocument();
    bool finishLoad(bool ok, const QString& message);
    bool runPending();
    void layoutDocument();
    void updateScrollBars();
    int layoutWidth() const;
    void recordHistory(const QString& oldFile, const QString& oldTitle, std::uint32_t oldPosition);
    void updateSelectionTo(const QPoint& viewportPoint);
    void autoScrollStep();
    void clickControl(TFormControlObj& control, const QPoint& viewportPoint);
    void closeEditor();
    QWidget* openEditor(TFormControlObj& control);
    void bringIntoView(const QRect& documentRect);
    void applyFonts();
    // Puts the default fonts and colours into effect and lays the document out again.
    void restyle();
    void takeSubmission(FormSubmission submission);

    std::unique_ptr<TSectionList> m_document;
    TNameList m_names;
    QtTextMeasurer m_measurer;
    LayoutEngine m_engine{m_measurer};
    HitTester m_hits{m_engine};
    Painter m_painter{m_engine};
    std::unique_ptr<Images> m_images;
    PictureCache m_pictures;

    QString m_currentFile;
    QString m_loadingFile; // the file being read, for its pictures' relative names
    QString m_title;
    QString m_base;
    QString m_hotSpot;
    QString m_lastError;
    QList<HistoryEntry> m_history;
    int m_historyIndex = 0;
    int m_historyMax = 0;
    bool m_processing = false;
    std::optional<Pending> m_pending;
    int m_docHeight = 0;
    int m_maxWidth = 0;
    int m_selectionAnchor = -1;
    bool m_selecting = false;
    QPoint m_mousePoint;
    QTimer m_autoScroll;
    QWidget* m_editor = nullptr; // the live widget over the form control being used
    BitmapRequest m_bitmapRequest;
    std::string m_source;        // the text last parsed, for mapping source offsets exactly
    std::vector<FormSubmission> m_submissions;

    bool m_viewImages = true;
    QColor m_background;
    QString m_fontName = QString::fromLatin1(TSectionList::kDefaultFontName);
    QString m_preFontName = QString::fromLatin1(TSectionList::kDefaultPreFontName);
    int m_fontSize = TSectionList::kDefaultFontSize;
    QColor m_fontColor;
    QColor m_linkColor = QColor(0, 0, 255);
    bool m_noSelect = false;
    TScrollStyle m_scrollStyle = TScrollStyle::ssBoth;
    THTMLBorderStyle m_borderStyle = THTMLBorderStyle::htFocused;
};

} // namespace tessera::viewer
