#include "viewer/model/form.h"

#include "viewer/model/attribute.h"
#include "viewer/model/sectionlist.h"
#include "viewer/model/textutil.h"

namespace tessera::viewer {

ThtmlForm::ThtmlForm(TSectionList* master, const TAttributeList& attributes) : m_master(master)
{
    // An empty METHOD is no method at all.
    if (const TAttribute* method = attributes.find(AttrSymbol::Method); method && !method->name.empty())
        m_method = method->name;
    m_action = attributes.text(AttrSymbol::Action);
}

void ThtmlForm::InsertControl(std::shared_ptr<TFormControlObj> control)
{
    if (!control)
        return;
    if (!control->hidden())
        ++m_nonHiddenCount;
    m_controls.push_back(std::move(control));
}

void ThtmlForm::DropControls()
{
    m_controls.clear();
    m_nonHiddenCount = 0;
}

void ThtmlForm::DoRadios(const TFormControlObj& clicked)
{
    for (const auto& control : m_controls) {
        if (control.get() == &clicked || control->kind() != ControlKind::RadioButton)
            continue;
        if (text::equalsIgnoringCase(control->name(), clicked.name()))
            static_cast<TRadioButtonFormControlObj&>(*control).setChecked(false);
    }
}

void ThtmlForm::ResetControls()
{
    for (const auto& control : m_controls)
        control->ResetToValue();
}

bool ThtmlForm::ControlKeyPress(int key)
{
    if (key != kEnterKey || m_nonHiddenCount != 1)
        return false;
    SubmitTheForm(std::string());
    return true;
}

void ThtmlForm::SubmitTheForm(const std::string& buttonSubmission)
{
    if (!m_master || !m_master->submitHook)
        return;
    FormSubmission submission{m_action, m_method, {}};
    for (const auto& control : m_controls) {
        std::string line;
        for (int index = 0; control->GetSubmission(index, line); ++index)
            submission.results.push_back(line);
    }
    if (!buttonSubmission.empty())
        submission.results.push_back(buttonSubmission);
    m_master->submitHook(std::move(submission));
}

} // namespace tessera::viewer
