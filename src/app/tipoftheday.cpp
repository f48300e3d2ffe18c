#include "app/tipoftheday.h"

#include "app/artwork.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char* const oopsTitle = "Oops...";
const char* const oopsText = "Sorry, no tips are available. You can disable this message by unchecking \"Show Tips at Startup\" "
                             "at the bottom of this dialog. Alternatively, re-install this program.";
}

TfTipOfTheDay::TfTipOfTheDay(TipBook book, QWidget* parent)
    : QDialog(parent)
    , m_book(std::move(book))
{
    setObjectName(QStringLiteral("TfTipOfTheDay"));
    setWindowTitle(QStringLiteral("Tip of the day"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* bulb = new QLabel;
    bulb->setPixmap(artwork::bulb());
    bulb->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* panel = new QFrame;
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(white);
    m_title = new QLabel(QString::fromLatin1(oopsTitle));
    QFont bold = m_title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    m_title->setFont(bold);
    m_text = new QLabel(QString::fromLatin1(oopsText));
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->setTextFormat(Qt::PlainText);
    m_title->setTextFormat(Qt::PlainText);
    m_text->setMinimumSize(320, 120);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->addWidget(m_title);
    panelLayout->addWidget(m_text, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(bulb);
    top->addWidget(panel, 1);

    auto* close = new QPushButton(QStringLiteral("Close"));
    m_next = new QPushButton(QStringLiteral("Next Tip"));
    m_previous = new QPushButton(QStringLiteral("Previous Tip"));
    m_showAtStartup = new QCheckBox(QStringLiteral("Show Tips at Startup"));
    close->setDefault(true);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_showAtStartup);
    bottom->addStretch(1);
    bottom->addWidget(m_previous);
    bottom->addWidget(m_next);
    bottom->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_next, &QPushButton::clicked, this, [this] { stepTo(TipBook::Direction::Next); });
    connect(m_previous, &QPushButton::clicked, this, [this] { stepTo(TipBook::Direction::Previous); });

    if (!m_book.hasTips()) {
        m_next->setEnabled(false);
        m_previous->setEnabled(false);
    }
}

void TfTipOfTheDay::setShowAtStartup(bool show)
{
    m_showAtStartup->setChecked(show);
}

bool TfTipOfTheDay::showAtStartup() const
{
    return m_showAtStartup->isChecked();
}

void TfTipOfTheDay::prepareAsHelper(const QString& caption)
{
    m_helperMode = true;
    setWindowTitle(caption);
    m_next->hide();
    m_previous->hide();
    m_showAtStartup->setText(QStringLiteral("Show Helper on next entry"));
    m_showAtStartup->setChecked(true);
}

QString TfTipOfTheDay::titleText() const
{
    return m_title->text();
}

QString TfTipOfTheDay::tipText() const
{
    return m_text->text();
}

TipBook::Buttons TfTipOfTheDay::buttons() const
{
    return m_next->isHidden() ? TipBook::Buttons::Hidden : TipBook::Buttons::Stepping;
}

void TfTipOfTheDay::showEvent(QShowEvent* event)
{
    // Stepping back once on show makes the first tip the one after the tip shown last time, and
    // turns a helper number into its line.
    if (!m_shownOnce) {
        m_shownOnce = true;
        stepTo(TipBook::Direction::Previous);
    }
    QDialog::showEvent(event);
}

void TfTipOfTheDay::stepTo(TipBook::Direction direction)
{
    if (m_helperMode) {
        // A helper shows its own line only; a short file must not let it wander into the tips.
        --m_index;
    } else {
        m_index = m_book.step(m_index, direction, buttons());
    }
    const bool helperLine = !m_helperMode || m_index < TipBook::firstTipLine;
    const auto entry = helperLine ? m_book.entryAt(m_index) : std::nullopt;
    if (!entry)
        return; // the design-time text stays
    m_title->setText(entry->title);
    m_text->setText(entry->text);
}
