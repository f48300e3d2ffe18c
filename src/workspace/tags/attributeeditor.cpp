#include "workspace/tags/attributeeditor.h"

#include "editor/tledit.h"
#include "workspace/tags/insertimage.h"
#include "workspace/tags/tagtexts.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>

namespace AttributeRules {
namespace {

bool isHexColour(const QString& value)
{
    static const QRegularExpression hex(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    return hex.match(value).hasMatch();
}

bool isColourAttribute(const QString& name)
{
    static const QStringList names = {
        QStringLiteral("BGCOLOR"), QStringLiteral("TEXT"), QStringLiteral("LINK"), QStringLiteral("VLINK"),
        QStringLiteral("ALINK"), QStringLiteral("COLOR"), QStringLiteral("BORDERCOLOR"),
    };
    return names.contains(name.trimmed(), Qt::CaseInsensitive);
}

QString valueOf(const QString& word)
{
    const qsizetype firstQuote = word.indexOf(QLatin1Char('"'));
    if (firstQuote >= 0) {
        const qsizetype secondQuote = word.indexOf(QLatin1Char('"'), firstQuote + 1);
        if (secondQuote > firstQuote)
            return word.mid(firstQuote + 1, secondQuote - firstQuote - 1);
    }
    const qsizetype equals = word.indexOf(QLatin1Char('='));
    QString value = equals < 0 ? QString() : word.mid(equals + 1);
    value.remove(QLatin1Char('"'));
    return value;
}

} // namespace

AttributeWord classify(const QString& word)
{
    AttributeWord result;
    const qsizetype equals = word.indexOf(QLatin1Char('='));
    if (equals > 0) {
        result.attribute = word.left(equals);
        result.value = valueOf(word);
    }
    // Only a real colour is a colour: "#top" in a link and "&#169;" are not.
    if (equals > 0 && (isHexColour(result.value) || isColourAttribute(result.attribute))) {
        result.kind = AttributeWord::Kind::Colour;
        return result;
    }
    if (word.mid(1, 4).compare(QLatin1String("BODY"), Qt::CaseInsensitive) == 0 && word.startsWith(QLatin1Char('<'))) {
        result.kind = AttributeWord::Kind::BodyStatement;
        return result;
    }
    auto startsWith = [&word](const char* prefix) {
        return word.startsWith(QLatin1String(prefix), Qt::CaseInsensitive);
    };
    if (startsWith("ALIGN=") || startsWith("VALIGN=") || startsWith("SIZE=")) {
        result.kind = AttributeWord::Kind::ParameterSelection;
        result.parameter = result.attribute.toLower();
        return result;
    }
    if (startsWith("BACKGROUND=") || startsWith("SRC=") || startsWith("LOWSRC="))
        result.kind = AttributeWord::Kind::ImageFile;
    return result;
}

std::optional<QColor> colourOf(const QString& value)
{
    if (isHexColour(value)) {
        bool ok = false;
        const uint rgb = value.mid(1).toUInt(&ok, 16);
        return QColor(int((rgb >> 16) & 0xFF), int((rgb >> 8) & 0xFF), int(rgb & 0xFF));
    }
    if (value.size() == 6 && isHexColour(QLatin1Char('#') + value))
        return colourOf(QLatin1Char('#') + value);
    const QColor named = QColor::fromString(value.trimmed());
    if (!value.trimmed().isEmpty() && named.isValid())
        return named;
    return std::nullopt;
}

QString withColour(const QString& word, const QColor& colour)
{
    return word.left(word.indexOf(QLatin1Char('=')) + 1) + QStringLiteral("\"#") + TagTexts::colourHex(colour)
        + QLatin1Char('"');
}

QString withFile(const QString& word, const QString& fileName)
{
    return word.left(word.indexOf(QLatin1Char('='))) + QStringLiteral("=\"") + fileName + QLatin1Char('"');
}

QString pageColourName(const QString& word)
{
    // VLINK and ALINK first: LINK alone must not claim them.
    for (const char* name : {"VLINK", "ALINK", "BGCOLOR", "LINK", "TEXT"}) {
        if (word.startsWith(QLatin1String(name), Qt::CaseInsensitive))
            return QString::fromLatin1(name);
    }
    return {};
}

} // namespace AttributeRules

AttributeEditor::AttributeEditor(TLEdit* editor, Host host, QObject* parent)
    : QObject(parent)
    , m_editor(editor)
    , m_host(std::move(host))
{
    connect(m_editor, &TLEdit::OnDblClick, this, &AttributeEditor::WebPageDblClick);
}

void AttributeEditor::report(const QString& text)
{
    if (m_host.reportFailure)
        m_host.reportFailure(QStringLiteral("Tessera"), text);
    else
        QMessageBox::warning(QApplication::activeWindow(), QStringLiteral("Tessera"), text);
}

void AttributeEditor::WebPageDblClick()
{
    const QString word = m_editor->GetSelText();
    if (word.isEmpty())
        return;
    const AttributeWord attribute = AttributeRules::classify(word);
    switch (attribute.kind) {
    case AttributeWord::Kind::Colour:
        editColour(word, attribute);
        break;
    case AttributeWord::Kind::BodyStatement:
        Q_EMIT bodyStatementRequested();
        break;
    case AttributeWord::Kind::ParameterSelection:
        Q_EMIT parameterSelectionRequested(attribute.parameter);
        break;
    case AttributeWord::Kind::ImageFile:
        editImageFile(word);
        break;
    case AttributeWord::Kind::None:
        break;
    }
    Q_EMIT previewUpdateRequested();
}

void AttributeEditor::editColour(const QString& word, const AttributeWord& attribute)
{
    // An empty or unreadable value starts from the colour that attribute usually has.
    const bool background = attribute.attribute.trimmed().compare(QLatin1String("BGCOLOR"), Qt::CaseInsensitive) == 0;
    const QColor initial = AttributeRules::colourOf(attribute.value).value_or(background ? Qt::white : Qt::black);
    std::optional<QColor> chosen;
    if (m_host.chooseColour) {
        chosen = m_host.chooseColour(initial);
    } else {
        const QColor colour = QColorDialog::getColor(initial, m_editor);
        if (colour.isValid())
            chosen = colour;
    }
    if (!chosen)
        return;
    m_editor->InsertText(AttributeRules::withColour(word, *chosen));
    const QString pageColour = AttributeRules::pageColourName(word);
    if (!pageColour.isEmpty())
        Q_EMIT pageColourChanged(pageColour, *chosen);
}

void AttributeEditor::editImageFile(const QString& word)
{
    const QString pageDirectory = m_host.pageDirectory ? m_host.pageDirectory() : QDir::currentPath();
    if (!QDir(pageDirectory).exists()) {
        report(QStringLiteral("Cannot find directory"));
        return;
    }
    const QString chosen = m_host.chooseImageFile
        ? m_host.chooseImageFile(pageDirectory)
        : QFileDialog::getOpenFileName(m_editor, QStringLiteral("Open File"), pageDirectory,
                                       QStringLiteral("Images (*.GIF *.JPG *.JPEG *.PNG *.gif *.jpg *.jpeg *.png)"));
    if (chosen.isEmpty())
        return;
    const QFileInfo file(chosen);
    const bool elsewhere = QDir::cleanPath(file.absolutePath()).compare(QDir::cleanPath(QDir(pageDirectory).absolutePath()),
                                                                        Qt::CaseInsensitive)
        != 0;
    if (elsewhere) {
        const CopyResult copied = CopyToPageDirectory(chosen, pageDirectory);
        if (!copied.ok) {
            report(copied.errorString);
            return;
        }
    }
    m_editor->InsertText(AttributeRules::withFile(word, file.fileName()));
}
