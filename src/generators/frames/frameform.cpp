#include "generators/frames/frameform.h"

#include "generators/builders/framefiles.h"
#include "generators/shared/definitionfile.h"
#include "generators/shared/dialogteardown.h"
#include "viewer/control/pageviewer.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace tessera::generators;

namespace {

// A cell narrower or lower than this is taken as dragged shut.
constexpr int minShownCellPixels = 6;
// The scroll bars of a first divider start here, whatever the splitter allows.
constexpr int firstDividerScrollMinimum = 10;
// A first divider this far along leaves no room worth showing for the frame after it.
constexpr int hidingFirstDivider = 99;

const QColor kCurrentCellColour(255, 255, 225);

// A splitter that keeps its dividers at their percentages when it changes size.
class DividerSplitter : public QSplitter {
public:
    using QSplitter::QSplitter;
    std::function<void()> resized;

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QSplitter::resizeEvent(event);
        if (resized)
            resized();
    }
};

QString percentText(int value)
{
    return QStringLiteral("%1%").arg(value);
}

std::string utf8(const QString& text)
{
    return text.toStdString();
}

QString qtext(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

TFrameForm::TFrameForm(Host host, std::unique_ptr<FrameWizardPrompts> prompts, QWidget* parent)
    : QDialog(parent)
    , m_host(std::move(host))
    , m_prompts(prompts ? std::move(prompts) : std::make_unique<QtFrameWizardPrompts>(this))
{
    setObjectName(QStringLiteral("FrameForm"));
    setWindowTitle(QStringLiteral("Frame Creation"));
    buildControls();
    buildMenu();
    for (int index = 0; index < splitterCount; ++index)
        setDividers(index, dividers(index));
    setOrientation(FrameOrientation::ByRows);
    showStartPage();
}

TFrameForm::~TFrameForm()
{
    silenceChildrenForTeardown(*this);
}

// ---- controls ------------------------------------------------------------------------------

void TFrameForm::buildControls()
{
    Notebook = new QStackedWidget;
    Notebook->addWidget(buildStartPage());
    Notebook->addWidget(buildFramePage());

    Prev = new QPushButton(QStringLiteral("Prev"));
    Prev->setObjectName(QStringLiteral("Prev"));
    Next = new QPushButton(QStringLiteral("Next"));
    Next->setObjectName(QStringLiteral("Next"));
    Finished = new QPushButton(QStringLiteral("Finished"));
    Finished->setObjectName(QStringLiteral("Finished"));
    connect(Prev, &QPushButton::clicked, this, &TFrameForm::PrevClick);
    connect(Next, &QPushButton::clicked, this, &TFrameForm::NextClick);
    connect(Finished, &QPushButton::clicked, this, &TFrameForm::FinishedClick);
    Next->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Prev);
    buttons->addWidget(Next);
    buttons->addWidget(Finished);
    buttons->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(Notebook, 1);
    left->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(buildGrid(), 1);
}

QWidget* TFrameForm::buildGrid()
{
    auto* main = new DividerSplitter;
    main->setObjectName(QStringLiteral("MainSplitter"));
    main->setMinimumSize(360, 300);
    // The bars are what the user drags: they must be seen.
    main->setStyleSheet(QStringLiteral("QSplitter::handle { background-color: palette(dark); }"));
    m_splitters[0] = main;
    for (int row = 0; row < 3; ++row) {
        auto* splitter = new DividerSplitter;
        splitter->setObjectName(QStringLiteral("RowSplitter%1").arg(row + 1));
        m_splitters[std::size_t(row + 1)] = splitter;
        for (int column = 0; column < 3; ++column) {
            const int number = row * 3 + column + 1;
            auto* cell = new tessera::viewer::TPageViewer;
            cell->setObjectName(QStringLiteral("Frame%1").arg(number));
            // Cells may be dragged down to nothing: that is how a frame is left out.
            cell->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
            cell->setMinimumSize(0, 0);
            cell->setHistoryMaxCount(0);
            cell->setDefBackground(Qt::white);
            cell->viewport()->installEventFilter(this);
            m_cells[std::size_t(number - 1)] = cell;
            splitter->addWidget(cell);
        }
        main->addWidget(splitter);
    }
    for (int index = 0; index < splitterCount; ++index) {
        auto* splitter = static_cast<DividerSplitter*>(m_splitters[std::size_t(index)]);
        splitter->setChildrenCollapsible(true);
        splitter->setHandleWidth(5);
        splitter->resized = [this, index] { showDividersOnSplitter(index); };
        connect(splitter, &QSplitter::splitterMoved, this, [this, index](int, int handle) { splitterMoved(index, handle); });
    }
    for (int number = 1; number <= frameCount; ++number)
        refreshCell(number);
    return main;
}

QWidget* TFrameForm::buildStartPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("start"));
    PageTitle = new QLineEdit(QStringLiteral("Document Title"));
    PageTitle->setObjectName(QStringLiteral("PageTitle"));
    Orientation = new QButtonGroup(this);
    auto* orientationBox = new QGroupBox(QStringLiteral("Orientation"));
    auto* orientationLayout = new QHBoxLayout(orientationBox);
    for (auto [id, caption] : {std::pair {0, QStringLiteral("By Rows")}, std::pair {1, QStringLiteral("By Columns")}}) {
        auto* button = new QRadioButton(caption);
        Orientation->addButton(button, id);
        orientationLayout->addWidget(button);
    }
    Orientation->button(0)->setChecked(true);
    connect(Orientation, &QButtonGroup::idClicked, this,
            [this](int id) { setOrientation(static_cast<FrameOrientation>(id)); });
    NoFrame = new QCheckBox(QStringLiteral("Include <NOFRAME> Tag?"));
    NoFrame->setObjectName(QStringLiteral("NoFrame"));
    NoFrame->setChecked(true);

    auto* dividerBox = new QGroupBox(QStringLiteral("Dividers"));
    auto* grid = new QGridLayout(dividerBox);
    const QStringList names = {QStringLiteral("Main:"), QStringLiteral("Row 1:"), QStringLiteral("Row 2:"),
                               QStringLiteral("Row 3:")};
    for (int index = 0; index < splitterCount; ++index) {
        grid->addWidget(new QLabel(names[index]), index, 0);
        for (int bar = 0; bar < 2; ++bar) {
            auto* scrollBar = new QScrollBar(index == 0 ? Qt::Vertical : Qt::Horizontal);
            scrollBar->setObjectName(QStringLiteral("Bar%1_%2").arg(index).arg(bar + 1));
            if (index == 0)
                scrollBar->setFixedHeight(70);
            else
                scrollBar->setMinimumWidth(90);
            auto* label = new QLabel;
            label->setObjectName(scrollBar->objectName() + QStringLiteral("Label"));
            label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 4);
            m_bars[std::size_t(index)][std::size_t(bar)] = scrollBar;
            m_barLabels[std::size_t(index)][std::size_t(bar)] = label;
            grid->addWidget(scrollBar, index, 1 + 2 * bar, index == 0 ? Qt::AlignHCenter : Qt::Alignment());
            grid->addWidget(label, index, 2 + 2 * bar);
            connect(scrollBar, &QScrollBar::valueChanged, this,
                    [this, index, bar](int value) { scrollBarMoved(index, bar, value); });
        }
    }

    auto* form = new QFormLayout(page);
    form->addRow(QStringLiteral("Page Title:"), PageTitle);
    form->addRow(orientationBox);
    form->addRow(NoFrame);
    form->addRow(dividerBox);
    auto* hint = new QLabel(QStringLiteral("Drag the bars in the picture (or move the scroll bars) to shape the frames; "
                                           "drag a bar to the far end to leave a row or frame out. Then press Next."));
    hint->setWordWrap(true);
    form->addRow(hint);
    return page;
}

QWidget* TFrameForm::buildFramePage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("framesettings"));
    m_frameCaption = new QLabel;
    m_frameCaption->setObjectName(QStringLiteral("FrameCaption"));
    QFont bold = m_frameCaption->font();
    bold.setBold(true);
    m_frameCaption->setFont(bold);
    SrcName = new QLineEdit;
    SrcName->setObjectName(QStringLiteral("SrcName"));
    m_browse = new QPushButton(QStringLiteral("Browse..."));
    m_browse->setObjectName(QStringLiteral("Browse"));
    FrameName = new QLineEdit;
    FrameName->setObjectName(QStringLiteral("FrameName"));
    Scrolling = new QButtonGroup(this);
    auto* scrollingBox = new QGroupBox(QStringLiteral("Scroll Bars"));
    auto* scrollingLayout = new QHBoxLayout(scrollingBox);
    const QStringList scrollings = {QStringLiteral("Auto"), QStringLiteral("Yes"), QStringLiteral("No")};
    for (int id = 0; id < scrollings.size(); ++id) {
        auto* button = new QRadioButton(scrollings[id]);
        Scrolling->addButton(button, id);
        scrollingLayout->addWidget(button);
    }
    Scrolling->button(0)->setChecked(true);
    AllowResize = new QCheckBox(QStringLiteral("Allow Frame to be resized?"));
    AllowResize->setObjectName(QStringLiteral("AllowResize"));
    AllowResize->setChecked(true);
    MarginWidth = new QSpinBox;
    MarginWidth->setObjectName(QStringLiteral("MarginWidth"));
    MarginHeight = new QSpinBox;
    MarginHeight->setObjectName(QStringLiteral("MarginHeight"));
    for (QSpinBox* box : {MarginWidth, MarginHeight}) {
        box->setRange(minFrameMargin, maxFrameMargin);
        box->setValue(-1);
        box->setSpecialValueText(QStringLiteral("none"));
    }

    auto* sourceRow = new QHBoxLayout;
    sourceRow->addWidget(SrcName, 1);
    sourceRow->addWidget(m_browse);
    auto* form = new QFormLayout(page);
    form->addRow(QStringLiteral("Frame:"), m_frameCaption);
    form->addRow(QStringLiteral("HTML Filename:"), sourceRow);
    form->addRow(QStringLiteral("Frame Name:"), FrameName);
    form->addRow(scrollingBox);
    form->addRow(AllowResize);
    form->addRow(QStringLiteral("Margin Width:"), MarginWidth);
    form->addRow(QStringLiteral("Margin Height:"), MarginHeight);
    auto* hint = new QLabel(QStringLiteral("Next and Prev step through the frames; a click in the picture goes straight "
                                           "to a frame. Finished puts the frameset into the page."));
    hint->setWordWrap(true);
    form->addRow(hint);

    connect(m_browse, &QPushButton::clicked, this, &TFrameForm::BrowseClick);
    connect(SrcName, &QLineEdit::editingFinished, this, [this] {
        if (!m_filling)
            storeSource();
    });
    connect(FrameName, &QLineEdit::editingFinished, this, [this] {
        if (!m_filling)
            storeName();
    });
    connect(Scrolling, &QButtonGroup::idClicked, this, &TFrameForm::storeFrameSettings);
    connect(AllowResize, &QCheckBox::toggled, this, &TFrameForm::storeFrameSettings);
    for (QSpinBox* box : {MarginWidth, MarginHeight})
        connect(box, &QSpinBox::valueChanged, this, &TFrameForm::storeFrameSettings);
    return page;
}

void TFrameForm::buildMenu()
{
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Open frame settings..."), QKeySequence(Qt::Key_F3), this, &TFrameForm::OpenSettingsClick);
    file->addAction(QStringLiteral("&Save frames settings as..."), QKeySequence(Qt::Key_F2), this,
                    &TFrameForm::SaveSettingsClick);
    file->addSeparator();
    file->addAction(QStringLiteral("&Return and insert into HTML document"), QKeySequence(Qt::CTRL | Qt::Key_S), this,
                    &TFrameForm::insertDocument);
    file->addAction(QStringLiteral("Return and &Abandon"), QKeySequence(Qt::CTRL | Qt::Key_X), this, &QDialog::reject);
}

TFrameForm::Page TFrameForm::page() const
{
    return static_cast<Page>(Notebook->currentIndex());
}

// ---- dividers ------------------------------------------------------------------------------

DividerPair& TFrameForm::dividers(int index)
{
    return index == 0 ? m_grid.main : m_grid.rows[std::size_t(index - 1)];
}

void TFrameForm::setDividers(int index, DividerPair pair)
{
    dividers(index) = pair;
    showDividersOnSplitter(index);
    showDividersOnScrollBars(index);
}

void TFrameForm::showDividersOnSplitter(int index)
{
    QSplitter* splitter = m_splitters[std::size_t(index)];
    const QList<int> current = splitter->sizes();
    int total = 0;
    for (int size : current)
        total += size;
    if (total <= 0)
        total = std::max(100, splitter->orientation() == Qt::Horizontal ? splitter->width() : splitter->height());
    const DividerPair pair = dividers(index);
    const int first = qRound(pair.first * total / 100.0);
    const int second = qRound(pair.second * total / 100.0);
    if (pair.first >= hidingFirstDivider)
        splitter->setSizes({second, 0, total - second});
    else
        splitter->setSizes({first, second - first, total - second});
}

void TFrameForm::showDividersOnScrollBars(int index)
{
    const QScopedValueRollback filling(m_filling, true);
    const DividerPair pair = dividers(index);
    auto& bars = m_bars[std::size_t(index)];
    // Each bar may go only as far as keeps the first divider before the second.
    bars[0]->setRange(std::min(firstDividerScrollMinimum, pair.first), pair.second - 1);
    bars[0]->setValue(pair.first);
    bars[1]->setRange(pair.first + 1, 100);
    bars[1]->setValue(pair.second);
    m_barLabels[std::size_t(index)][0]->setText(percentText(pair.first));
    m_barLabels[std::size_t(index)][1]->setText(percentText(pair.second));
}

void TFrameForm::splitterMoved(int index, int handle)
{
    const QList<int> sizes = m_splitters[std::size_t(index)]->sizes();
    const int total = sizes.value(0) + sizes.value(1) + sizes.value(2);
    if (total <= 0)
        return;
    // A dragged handle may push the other one along, so both are read back.
    DividerPair pair {qRound(sizes.value(0) * 100.0 / total), qRound((sizes.value(0) + sizes.value(1)) * 100.0 / total)};
    // Two bars on one spot: the one dragged gives way, within 0 to 100.
    if (pair.first >= pair.second) {
        if ((handle == 1 && pair.second > 0) || pair.second == 100)
            pair.first = pair.second - 1;
        else
            pair.second = pair.first + 1;
    }
    dividers(index) = pair;
    showDividersOnScrollBars(index);
}

void TFrameForm::scrollBarMoved(int index, int bar, int value)
{
    if (m_filling)
        return;
    DividerPair pair = dividers(index);
    (bar == 0 ? pair.first : pair.second) = value;
    if (!isValidDividerPair(pair)) {
        showDividersOnScrollBars(index);
        return;
    }
    setDividers(index, pair);
}

void TFrameForm::setOrientation(FrameOrientation orientation)
{
    m_grid.orientation = orientation;
    const bool byRows = orientation == FrameOrientation::ByRows;
    m_splitters[0]->setOrientation(byRows ? Qt::Vertical : Qt::Horizontal);
    for (int index = 1; index < splitterCount; ++index)
        m_splitters[std::size_t(index)]->setOrientation(byRows ? Qt::Horizontal : Qt::Vertical);
    {
        const QScopedValueRollback filling(m_filling, true);
        Orientation->button(static_cast<int>(orientation))->setChecked(true);
    }
    for (int index = 0; index < splitterCount; ++index)
        showDividersOnSplitter(index);
}

void TFrameForm::setSplittersMovable(bool movable)
{
    for (QSplitter* splitter : m_splitters) {
        for (int handle = 1; handle < splitter->count(); ++handle)
            splitter->handle(handle)->setEnabled(movable);
    }
    for (auto& bars : m_bars) {
        for (QScrollBar* bar : bars)
            bar->setEnabled(movable);
    }
}

// ---- frames --------------------------------------------------------------------------------

void TFrameForm::refreshCell(int number)
{
    tessera::viewer::TPageViewer* viewer = cell(number);
    const FrameRecord& frame = m_frames[std::size_t(number - 1)];
    viewer->setDefBackground(number == m_current ? kCurrentCellColour : QColor(Qt::white));
    if (!frame.source.empty()) {
        const QString path = QDir(m_host.pageDirectory).filePath(qtext(frame.source));
        if (QFileInfo(path).isFile() && viewer->LoadDocFile(path))
            return;
    }
    const QString name = frame.name.empty() ? QStringLiteral("Frame:%1").arg(number) : qtext(frame.name);
    viewer->LoadStrings({QStringLiteral("<H2 ALIGN=\"center\">") + name.toHtmlEscaped() + QStringLiteral("</H2>")});
}

void TFrameForm::nameShownFrames()
{
    // A frame the document leaves out is not stepped through either, however much of it shows.
    std::array<bool, frameCount> shown = writtenFrames(m_grid);
    for (int number = 1; number <= frameCount; ++number) {
        const QWidget* viewer = cell(number);
        shown[std::size_t(number - 1)] = shown[std::size_t(number - 1)] && viewer->width() >= minShownCellPixels
            && viewer->height() >= minShownCellPixels;
    }
    tessera::generators::nameShownFrames(m_frames, shown);
}

void TFrameForm::showStartPage()
{
    const int previous = m_current;
    m_current = 0;
    Notebook->setCurrentIndex(static_cast<int>(Page::Start));
    Prev->setEnabled(false);
    Next->setEnabled(true);
    Finished->hide();
    Next->setDefault(true);
    setSplittersMovable(true);
    if (previous != 0)
        refreshCell(previous);
}

void TFrameForm::showFrame(int number)
{
    const int previous = m_current;
    m_current = number;
    const FrameRecord& frame = m_frames[std::size_t(number - 1)];
    {
        const QScopedValueRollback filling(m_filling, true);
        m_frameCaption->setText(qtext(frame.name));
        SrcName->setText(qtext(frame.source));
        FrameName->setText(qtext(frame.name));
        Scrolling->button(static_cast<int>(frame.scrolling))->setChecked(true);
        AllowResize->setChecked(frame.allowResize);
        MarginWidth->setValue(frame.marginWidth);
        MarginHeight->setValue(frame.marginHeight);
        // Each frame starts at its first box, ready to be typed over.
        SrcName->setFocus();
        SrcName->selectAll();
    }
    const bool last = nextNamedFrame(m_frames, number) == 0;
    Next->setEnabled(!last);
    Finished->setVisible(last);
    // Enter takes the user on, or ends the wizard at the last frame.
    (last ? Finished : Next)->setDefault(true);
    if (previous != 0 && previous != number)
        refreshCell(previous);
    refreshCell(number);
}

void TFrameForm::storeFrameSettings()
{
    if (m_filling || m_current == 0)
        return;
    FrameRecord& frame = m_frames[std::size_t(m_current - 1)];
    frame.scrolling = static_cast<FrameScrolling>(std::max(0, Scrolling->checkedId()));
    frame.allowResize = AllowResize->isChecked();
    frame.marginWidth = MarginWidth->value();
    frame.marginHeight = MarginHeight->value();
}

bool TFrameForm::storeSource()
{
    if (m_current == 0)
        return true;
    const std::string source = utf8(SrcName->text());
    if (!fitsFrameRecord(source)) {
        const QScopedValueRollback filling(m_filling, true);
        m_prompts->warning(QStringLiteral("The HTML file name is longer than %1 characters; please choose a shorter one.")
                               .arg(maxFrameTextBytes));
        SrcName->setFocus();
        return false;
    }
    FrameRecord& frame = m_frames[std::size_t(m_current - 1)];
    if (frame.source != source) {
        frame.source = source;
        refreshCell(m_current);
    }
    return true;
}

bool TFrameForm::storeName()
{
    if (m_current == 0)
        return true;
    const QString name = FrameName->text();
    QString problem;
    if (name.trimmed().isEmpty())
        problem = FrameWizardTexts::blankName;
    else if (!fitsFrameRecord(utf8(name)))
        problem = QStringLiteral("The frame name is longer than %1 characters; please choose a shorter one.")
                      .arg(maxFrameTextBytes);
    if (!problem.isEmpty()) {
        const QScopedValueRollback filling(m_filling, true);
        m_prompts->warning(problem);
        FrameName->setFocus();
        return false;
    }
    FrameRecord& frame = m_frames[std::size_t(m_current - 1)];
    if (frame.name != utf8(name)) {
        frame.name = utf8(name);
        m_frameCaption->setText(name);
        refreshCell(m_current);
    }
    return true;
}

bool TFrameForm::commitFrame()
{
    if (page() != Page::FrameSettings)
        return true;
    storeFrameSettings();
    return storeSource() && storeName();
}

// ---- steps -----------------------------------------------------------------------------------

void TFrameForm::NextClick()
{
    if (page() == Page::Start) {
        nameShownFrames();
        const int first = nextNamedFrame(m_frames, 0);
        if (first == 0)
            return;
        Notebook->setCurrentIndex(static_cast<int>(Page::FrameSettings));
        Prev->setEnabled(true);
        setSplittersMovable(false);
        for (int number = 1; number <= frameCount; ++number)
            refreshCell(number);
        showFrame(first);
        return;
    }
    if (!commitFrame())
        return;
    if (const int next = nextNamedFrame(m_frames, m_current))
        showFrame(next);
}

void TFrameForm::PrevClick()
{
    if (page() == Page::Start || !commitFrame())
        return;
    if (const int previous = previousNamedFrame(m_frames, m_current))
        showFrame(previous);
    else
        showStartPage();
}

bool TFrameForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress || page() != Page::FrameSettings)
        return QDialog::eventFilter(watched, event);
    for (int number = 1; number <= frameCount; ++number) {
        if (cell(number)->viewport() != watched)
            continue;
        if (number != m_current && !m_frames[std::size_t(number - 1)].name.empty() && commitFrame())
            showFrame(number);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFrameForm::FinishedClick()
{
    insertDocument();
}

void TFrameForm::insertDocument()
{
    if (!commitFrame())
        return;
    if (page() == Page::Start)
        nameShownFrames();
    FrameLayout layout;
    layout.title = utf8(PageTitle->text());
    layout.noFramesBlock = NoFrame->isChecked();
    layout.grid = m_grid;
    layout.frames = m_frames;
    QStringList lines;
    for (const std::string& line : buildFrameDocument(layout))
        lines << qtext(line);
    if (m_host.replacePage)
        m_host.replacePage(lines);
    accept();
}

void TFrameForm::BrowseClick()
{
    if (m_current == 0)
        return;
    const QString chosen = m_prompts->htmlFileName(m_host.pageDirectory);
    if (chosen.isEmpty())
        return;
    const QString relative = m_host.pageDirectory.isEmpty() ? chosen : QDir(m_host.pageDirectory).relativeFilePath(chosen);
    {
        const QScopedValueRollback filling(m_filling, true);
        SrcName->setText(relative);
    }
    storeSource();
}

// ---- settings files ------------------------------------------------------------------------

void TFrameForm::SaveSettingsClick()
{
    if (!commitFrame())
        return;
    const QString chosen = m_prompts->saveSettingsName(m_settingsName);
    if (chosen.isEmpty())
        return;
    const QString settingsName = qtext(frameSettingsFileName(utf8(chosen)));
    const QString recordsName = qtext(frameRecordsFileName(utf8(settingsName)));
    if (settingsName != chosen && QFileInfo::exists(settingsName)
        && !m_prompts->confirmReplace(settingsName))
        return;
    const ReadBack<std::string> records = encodeFrameRecords(m_frames);
    if (!records.value) {
        m_prompts->error(qtext(records.error));
        return;
    }
    QStringList lines;
    for (const std::string& line : frameSettingsLines(m_grid))
        lines << qtext(line);
    DefinitionFile settingsFile(settingsName);
    if (!settingsFile.write(lines)) {
        m_prompts->error(settingsFile.errorString());
        return;
    }
    QSaveFile recordsFile(recordsName);
    const QByteArray bytes = QByteArray::fromStdString(*records.value);
    if (!recordsFile.open(QIODevice::WriteOnly) || recordsFile.write(bytes) != bytes.size() || !recordsFile.commit()) {
        m_prompts->error(QStringLiteral("Cannot write %1: %2").arg(recordsName, recordsFile.errorString()));
        return;
    }
    m_settingsName = settingsName;
}

void TFrameForm::OpenSettingsClick()
{
    const QString chosen = m_prompts->openSettingsName(m_settingsName);
    if (chosen.isEmpty())
        return;
    DefinitionFile settingsFile(chosen);
    QStringList lines;
    if (!settingsFile.read(lines)) {
        m_prompts->error(settingsFile.errorString());
        return;
    }
    std::vector<std::string> utf8Lines;
    for (const QString& line : lines)
        utf8Lines.push_back(utf8(line));
    const ReadBack<FrameGrid> grid = readFrameSettings(utf8Lines);
    if (!grid.value) {
        m_prompts->error(QStringLiteral("Cannot open %1: %2").arg(chosen, qtext(grid.error)));
        return;
    }

    const QString recordsName = qtext(frameRecordsFileName(utf8(chosen)));
    FrameRecordsRead records;
    QFile recordsFile(recordsName);
    if (!recordsFile.exists()) {
        records.warning = "The frame records were not found; the frames start empty.";
    } else if (!recordsFile.open(QIODevice::ReadOnly)) {
        records.warning = utf8(recordsFile.errorString()) + "; the frames start empty.";
    } else {
        const QByteArray bytes = recordsFile.read(qint64(frameCount) * frameRecordSize);
        records = decodeFrameRecords(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    }

    showStartPage();
    m_settingsName = chosen;
    m_frames = records.frames;
    setOrientation(grid.value->orientation);
    for (int index = 0; index < splitterCount; ++index)
        setDividers(index, index == 0 ? grid.value->main : grid.value->rows[std::size_t(index - 1)]);
    for (int number = 1; number <= frameCount; ++number)
        refreshCell(number);
    if (!records.warning.empty())
        m_prompts->warning(recordsName + QStringLiteral(": ") + qtext(records.warning));
}
