#include "spell/dialogs/spelldialog.h"

#include <QApplication>
#include <QEventLoop>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TAbsSpellDialog::TAbsSpellDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(SpellText::caption);
    setModal(false);
    buildCommon();
}

QPushButton* TAbsSpellDialog::actionButton(const QString& text, int code, const QString& icon)
{
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(false);
    button->setProperty("spellIcon", icon);
    m_glyphButtons.append(button);
    connect(button, &QPushButton::clicked, this, [this, code] { setAction(code); });
    return button;
}

void TAbsSpellDialog::buildCommon()
{
    lblNotFound = new QLabel(SpellText::notFound, this);
    lblFound = new QLabel(this);
    lblFound->setTextFormat(Qt::PlainText);
    lblFound->setObjectName(QStringLiteral("lblFound"));
    lblReplace = new QLabel(tr("Replace with:"), this);
    edtWord = new QLineEdit(this);
    edtWord->setObjectName(QStringLiteral("edtWord"));
    lblReplace->setBuddy(edtWord);
    lblSuggestions = new QLabel(tr("Suggestions:"), this);
    lstSuggest = new QListWidget(this);
    lstSuggest->setObjectName(QStringLiteral("lstSuggest"));
    lblSuggestions->setBuddy(lstSuggest);

    btnReplace = actionButton(tr("&Replace"), SpellAction::Replace, QStringLiteral("apply"));
    btnSkip = actionButton(tr("&Skip"), SpellAction::Skip, QStringLiteral("forward"));
    btnSkipAll = actionButton(tr("S&kip All"), SpellAction::SkipAll, QStringLiteral("forward"));
    btnAdd = actionButton(tr("A&dd"), SpellAction::Add, QStringLiteral("add"));
    btnClose = actionButton(tr("&Close"), SpellAction::Close, QStringLiteral("close"));
    btnSuggest = new QPushButton(tr("Su&ggest"), this);
    btnSuggest->setAutoDefault(false);
    btnSuggest->setProperty("spellIcon", QStringLiteral("help"));
    m_glyphButtons.append(btnSuggest);
    connect(btnSuggest, &QPushButton::clicked, this, &TAbsSpellDialog::fillSuggestions);

    const QList<std::pair<QPushButton**, QString>> names = {
        {&btnReplace, QStringLiteral("btnReplace")}, {&btnSkip, QStringLiteral("btnSkip")},
        {&btnSkipAll, QStringLiteral("btnSkipAll")}, {&btnAdd, QStringLiteral("btnAdd")},
        {&btnClose, QStringLiteral("btnClose")},     {&btnSuggest, QStringLiteral("btnSuggest")}};
    for (const auto& [button, name] : names)
        (*button)->setObjectName(name);

    connect(lstSuggest, &QListWidget::currentTextChanged, this, [this](const QString& text) {
        if (!text.isEmpty() && !m_filling) {
            m_filling = true;
            edtWord->setText(text);
            m_filling = false;
        }
    });
    connect(lstSuggest, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        edtWord->setText(item->text());
        setAction(SpellAction::Replace);
    });
    connect(edtWord, &QLineEdit::textEdited, this, &TAbsSpellDialog::quickSuggest);

    pnlIcons = new QWidget(this);
    pnlIcons->setObjectName(QStringLiteral("pnlIcons"));
    auto* icons = new QHBoxLayout(pnlIcons);
    icons->setContentsMargins(0, 0, 0, 0);
    const QList<std::pair<QPushButton**, QString>> accents = {
        {&btnA, QStringLiteral("á")}, {&btnE, QStringLiteral("é")}, {&btnI, QStringLiteral("í")},
        {&btnO, QStringLiteral("ó")}, {&btnU, QStringLiteral("ú")}, {&btnN, QStringLiteral("ñ")},
        {&btnN2, QStringLiteral("Ñ")}};
    for (const auto& [button, letter] : accents) {
        *button = new QPushButton(letter, pnlIcons);
        (*button)->setAutoDefault(false);
        (*button)->setFixedWidth(28);
        icons->addWidget(*button);
        const QString inserted = letter;
        connect(*button, &QPushButton::clicked, this, [this, inserted] { insertAccent(inserted); });
    }
    icons->addStretch();
    pnlIcons->hide();
}

void TAbsSpellDialog::setAction(int code)
{
    m_action = code;
    Q_EMIT actionChosen(code);
}

void TAbsSpellDialog::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous() && m_action == SpellAction::None)
        Q_EMIT actionChosen(SpellAction::Close);
}

void TAbsSpellDialog::reject()
{
    // Escape or the title bar's close button: the check ends.
    setAction(SpellAction::Close);
    QDialog::reject();
}

int TAbsSpellDialog::waitForAction()
{
    QPointer<TAbsSpellDialog> self(this);
    QEventLoop loop;
    connect(this, &TAbsSpellDialog::actionChosen, &loop, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    while (self && m_action == SpellAction::None && isVisible())
        loop.exec();
    if (!self)
        return SpellAction::Close;
    if (m_action == SpellAction::None)
        return SpellAction::Close; // hidden without a button
    return m_action;
}

void TAbsSpellDialog::showWord(const QString& word, const QString& notFoundLabel)
{
    lblNotFound->setText(notFoundLabel);
    lblFound->setText(word);
    m_filling = true;
    edtWord->setText(word);
    lstSuggest->clear();
    m_filling = false;
    edtWord->setFocus();
    edtWord->selectAll();
}

void TAbsSpellDialog::setWordLists(WordList suggest, WordList complete, int maximum)
{
    m_suggest = std::move(suggest);
    m_complete = std::move(complete);
    m_maximum = maximum;
}

void TAbsSpellDialog::fillSuggestions()
{
    if (!m_suggest)
        return;
    m_filling = true;
    lstSuggest->clear();
    lstSuggest->addItems(m_suggest(lblFound->text()));
    m_filling = false;
}

void TAbsSpellDialog::quickSuggest(const QString& text)
{
    if (!m_complete || m_filling)
        return;
    m_filling = true;
    lstSuggest->clear();
    if (!text.isEmpty())
        lstSuggest->addItems(m_complete(text));
    m_filling = false;
}

void TAbsSpellDialog::insertAccent(const QString& letter)
{
    edtWord->insert(letter);
    edtWord->setFocus();
}

void TAbsSpellDialog::setShowGlyphs(bool show)
{
    for (QPushButton* button : std::as_const(m_glyphButtons)) {
        if (!show) {
            button->setIcon(QIcon());
            continue;
        }
        const QString name = button->property("spellIcon").toString();
        QStyle::StandardPixmap pixmap = QStyle::SP_DialogApplyButton;
        if (name == QLatin1String("forward"))
            pixmap = QStyle::SP_ArrowForward;
        else if (name == QLatin1String("add"))
            pixmap = QStyle::SP_FileDialogNewFolder;
        else if (name == QLatin1String("close"))
            pixmap = QStyle::SP_DialogCloseButton;
        else if (name == QLatin1String("help"))
            pixmap = QStyle::SP_MessageBoxQuestion;
        button->setIcon(QWidget::style()->standardIcon(pixmap));
    }
}

void TAbsSpellDialog::setAccentIcons(int accents)
{
    pnlIcons->setVisible((accents & acSpanish) != 0);
}

TWPSpellDlg::TWPSpellDlg(QWidget* parent) : TAbsSpellDialog(parent)
{
    setStyleType(TDialogTypes::dtWordPerfect);
    auto* grid = new QGridLayout(this);
    auto* found = new QHBoxLayout;
    found->addWidget(lblNotFound);
    found->addWidget(lblFound, 1);
    grid->addLayout(found, 0, 0, 1, 2);
    grid->addWidget(lblReplace, 1, 0);
    grid->addWidget(edtWord, 1, 1);
    grid->addWidget(lblSuggestions, 2, 0, Qt::AlignTop);
    grid->addWidget(lstSuggest, 2, 1);
    grid->addWidget(pnlIcons, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {btnReplace, btnSkip, btnSkipAll, btnAdd, btnSuggest, btnClose})
        buttons->addWidget(button);
    grid->addLayout(buttons, 4, 0, 1, 2);
}

TMSSpellDlg::TMSSpellDlg(QWidget* parent) : TAbsSpellDialog(parent)
{
    setStyleType(TDialogTypes::dtMSWord);
    btnSkip->setText(tr("&Ignore"));
    btnSkipAll->setText(tr("I&gnore All"));
    btnReplace->setText(tr("&Change"));
    btnAdd->setText(tr("&Add"));
    btnSuggest->setText(tr("&Suggest"));
    btnClose->setText(tr("Cancel"));
    lblReplace->setText(tr("Change &To:"));
    btnReplaceAll = actionButton(tr("C&hange All"), SpellAction::ReplaceAll, QStringLiteral("apply"));
    btnReplaceAll->setObjectName(QStringLiteral("btnReplaceAll"));
    // These keep their places in the Word look but have nothing to do here.
    btnAutoCorrect = new QPushButton(tr("AutoCorrect"), this);
    btnOptions = new QPushButton(tr("&Options..."), this);
    btnUndo = new QPushButton(tr("&Undo Last"), this);
    btnHelp = new QPushButton(tr("&Help"), this);
    for (QPushButton* button : {btnAutoCorrect, btnOptions, btnUndo, btnHelp}) {
        button->setAutoDefault(false);
        button->setEnabled(false);
    }
    edtCurWord = new QLineEdit(this);
    edtCurWord->setReadOnly(true);
    lblFound->hide();

    auto* grid = new QGridLayout(this);
    grid->addWidget(lblNotFound, 0, 0);
    grid->addWidget(edtCurWord, 0, 1);
    grid->addWidget(lblReplace, 1, 0);
    grid->addWidget(edtWord, 1, 1);
    grid->addWidget(lblSuggestions, 2, 0, Qt::AlignTop);
    grid->addWidget(lstSuggest, 2, 1, 4, 1);
    grid->addWidget(pnlIcons, 6, 0, 1, 2);
    const QList<QList<QPushButton*>> columns = {{btnSkip, btnSkipAll, btnAdd, btnAutoCorrect, btnHelp},
                                                {btnReplace, btnReplaceAll, btnSuggest, btnOptions, btnUndo, btnClose}};
    int column = 2;
    for (const auto& list : columns) {
        int row = 0;
        for (QPushButton* button : list)
            grid->addWidget(button, row++, column);
        ++column;
    }
}

TW96SpellDlg::TW96SpellDlg(QWidget* parent) : TAbsSpellDialog(parent)
{
    setStyleType(TDialogTypes::dtWordPro96);
    btnReplaceAll = actionButton(tr("Replace &All"), SpellAction::ReplaceAll, QStringLiteral("apply"));
    btnReplaceAll->setObjectName(QStringLiteral("btnReplaceAll"));
    auto* outer = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    auto* found = new QHBoxLayout;
    found->addWidget(lblNotFound);
    found->addWidget(lblFound, 1);
    left->addLayout(found);
    left->addWidget(lblReplace);
    left->addWidget(edtWord);
    left->addWidget(lblSuggestions);
    left->addWidget(lstSuggest);
    left->addWidget(pnlIcons);
    outer->addLayout(left, 1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {btnReplace, btnReplaceAll, btnSkip, btnSkipAll, btnAdd, btnSuggest, btnClose})
        buttons->addWidget(button);
    buttons->addStretch();
    outer->addLayout(buttons);
}

void TMSSpellDlg::showWord(const QString& word, const QString& notFoundLabel)
{
    TAbsSpellDialog::showWord(word, notFoundLabel);
    edtCurWord->setText(word);
}

std::unique_ptr<TAbsSpellDialog> makeSpellDialog(TDialogTypes style, QWidget* parent)
{
    switch (style) {
    case TDialogTypes::dtMSWord:
        return std::make_unique<TMSSpellDlg>(parent);
    case TDialogTypes::dtWordPro96:
        return std::make_unique<TW96SpellDlg>(parent);
    case TDialogTypes::dtWordPerfect:
        break;
    }
    return std::make_unique<TWPSpellDlg>(parent);
}
