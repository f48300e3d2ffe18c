#include "viewer/model/formcontrol.h"

#include "viewer/model/attribute.h"
#include "viewer/model/form.h"
#include "viewer/model/textutil.h"

namespace tessera::viewer {

TFormControlObj::TFormControlObj(ThtmlForm* form, int position, const TAttributeList& attributes, SourceRange source)
    : m_form(form), m_position(position), m_name(attributes.text(AttrSymbol::Name)),
      m_value(attributes.text(AttrSymbol::Value)), m_source(source)
{
}

bool THiddenFormControlObj::GetSubmission(int index, std::string& line) const
{
    if (index != 0)
        return false;
    line = name() + "=" + value();
    return true;
}

TEditFormControlObj::TEditFormControlObj(ThtmlForm* form, int position, const TAttributeList& attributes,
                                         SourceRange source)
    : TFormControlObj(form, position, attributes, source), m_text(value())
{
    if (const TAttribute* size = attributes.find(AttrSymbol::Size); size && size->value > 0)
        m_size = std::min<int>(size->value, kMaxSize);
    if (const TAttribute* maxLength = attributes.find(AttrSymbol::MaxLength); maxLength && maxLength->value > 0)
        m_maxLength = maxLength->value;
    m_password = text::toLower(attributes.text(AttrSymbol::Type)) == "password";
}

void TEditFormControlObj::ResetToValue()
{
    m_text = value();
    refreshWidget();
}

void TEditFormControlObj::setText(std::string text) { m_text = std::move(text); }

bool TEditFormControlObj::GetSubmission(int index, std::string& line) const
{
    if (index != 0)
        return false;
    line = name() + "=" + m_text;
    return true;
}

TButtonFormControlObj::TButtonFormControlObj(ThtmlForm* form, int position, const TAttributeList& attributes,
                                             SourceRange source)
    : TFormControlObj(form, position, attributes, source), m_label(value())
{
    m_submit = text::toLower(attributes.text(AttrSymbol::Type)) != "reset";
    if (m_label.empty())
        m_label = m_submit ? "Submit" : "Reset"; // an unlabelled button could not be told apart
}

void TButtonFormControlObj::click()
{
    if (!form())
        return;
    if (!m_submit)
        form()->ResetControls();
    else
        form()->SubmitTheForm(name().empty() ? std::string() : name() + "=" + value());
}

TCheckableFormControlObj::TCheckableFormControlObj(ThtmlForm* form, int position, const TAttributeList& attributes,
                                                   SourceRange source)
    : TFormControlObj(form, position, attributes, source), m_initial(attributes.has(AttrSymbol::Checked)),
      m_checked(m_initial)
{
}

void TCheckableFormControlObj::ResetToValue()
{
    m_checked = m_initial;
    refreshWidget();
}

void TCheckableFormControlObj::setChecked(bool checked)
{
    if (m_checked == checked)
        return;
    m_checked = checked;
    refreshWidget();
}

bool TCheckableFormControlObj::GetSubmission(int index, std::string& line) const
{
    if (index != 0 || !m_checked)
        return false;
    line = name() + "=" + value();
    return true;
}

void TRadioButtonFormControlObj::click()
{
    setChecked(true);
    if (form())
        form()->DoRadios(*this);
}

TSelectFormControlObj::TSelectFormControlObj(ThtmlForm* form, int position, const TAttributeList& attributes,
                                             SourceRange source)
    : TFormControlObj(form, position, attributes, source), m_multiple(attributes.has(AttrSymbol::Multiple))
{
    if (const TAttribute* size = attributes.find(AttrSymbol::Size); size && size->value > 1)
        m_rows = std::min<int>(size->value, kMaxRows);
}

bool TSelectFormControlObj::isSelected(int index) const
{
    return index >= 0 && static_cast<std::size_t>(index) < m_selected.size() && m_selected[static_cast<std::size_t>(index)];
}

void TSelectFormControlObj::setSelected(int index, bool selected)
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_selected.size())
        return;
    if (!m_multiple && selected && kind() == ControlKind::Combo)
        m_selected.assign(m_selected.size(), false);
    m_selected[static_cast<std::size_t>(index)] = selected;
}

void TListBoxFormControlObj::ResetToValue()
{
    m_selected.assign(m_options.size(), false);
    for (std::size_t i = 0; i < m_options.size(); ++i)
        m_selected[i] = m_options[i].selected;
    refreshWidget();
}

bool TListBoxFormControlObj::GetSubmission(int index, std::string& line) const
{
    int seen = 0;
    for (std::size_t i = 0; i < m_options.size(); ++i) {
        if (!m_selected[i])
            continue;
        if (seen++ == index) {
            line = name() + "=" + m_options[i].submitValue();
            return true;
        }
    }
    return false;
}

void TComboFormControlObj::ResetToValue()
{
    // A drop-down shows one option: the last one marked SELECTED, else the first.
    m_selected.assign(m_options.size(), false);
    int chosen = m_options.empty() ? -1 : 0;
    for (std::size_t i = 0; i < m_options.size(); ++i) {
        if (m_options[i].selected)
            chosen = static_cast<int>(i);
    }
    if (chosen >= 0)
        m_selected[static_cast<std::size_t>(chosen)] = true;
    refreshWidget();
}

int TComboFormControlObj::selectedIndex() const
{
    for (std::size_t i = 0; i < m_selected.size(); ++i) {
        if (m_selected[i])
            return static_cast<int>(i);
    }
    return -1;
}

bool TComboFormControlObj::GetSubmission(int index, std::string& line) const
{
    int selected = selectedIndex();
    if (index != 0 || selected < 0)
        return false;
    line = name() + "=" + m_options[static_cast<std::size_t>(selected)].submitValue();
    return true;
}

TTextAreaFormControlObj::TTextAreaFormControlObj(ThtmlForm* form, int position, const TAttributeList& attributes,
                                                 SourceRange source)
    : TFormControlObj(form, position, attributes, source)
{
    if (const TAttribute* rows = attributes.find(AttrSymbol::Rows); rows && rows->value > 0)
        m_rows = std::min<int>(rows->value, kMaxChars);
    if (const TAttribute* cols = attributes.find(AttrSymbol::Cols); cols && cols->value > 0)
        m_cols = std::min<int>(cols->value, kMaxChars);
}

void TTextAreaFormControlObj::ResetToValue()
{
    m_lines = m_initialLines;
    refreshWidget();
}

bool TTextAreaFormControlObj::GetSubmission(int index, std::string& line) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_lines.size())
        return false;
    line = name() + "=" + m_lines[static_cast<std::size_t>(index)];
    return true;
}

std::shared_ptr<TFormControlObj> makeInputControl(ThtmlForm* form, int position, const TAttributeList& attributes,
                                                  SourceRange source)
{
    std::string type = text::toLower(attributes.text(AttrSymbol::Type));
    if (type == "hidden")
        return std::make_shared<THiddenFormControlObj>(form, position, attributes, source);
    if (type == "submit" || type == "reset")
        return std::make_shared<TButtonFormControlObj>(form, position, attributes, source);
    if (type == "radio")
        return std::make_shared<TRadioButtonFormControlObj>(form, position, attributes, source);
    if (type == "checkbox")
        return std::make_shared<TCheckBoxFormControlObj>(form, position, attributes, source);
    return std::make_shared<TEditFormControlObj>(form, position, attributes, source);
}

std::shared_ptr<TSelectFormControlObj> makeSelectControl(ThtmlForm* form, int position,
                                                         const TAttributeList& attributes, SourceRange source)
{
    const TAttribute* size = attributes.find(AttrSymbol::Size);
    if (attributes.has(AttrSymbol::Multiple) || (size && size->value > 1))
        return std::make_shared<TListBoxFormControlObj>(form, position, attributes, source);
    return std::make_shared<TComboFormControlObj>(form, position, attributes, source);
}

} // namespace tessera::viewer
