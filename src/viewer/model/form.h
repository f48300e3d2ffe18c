#pragma once

#include "viewer/model/formcontrol.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tessera::viewer {

class TSectionList;
class TAttributeList;

// What a submitted form hands to the viewer: one "name=value" line per value.
struct FormSubmission {
    std::string action;
    std::string method;
    std::vector<std::string> results;
};

using FormSubmitHook = std::function<void(FormSubmission)>;

class ThtmlForm {
public:
    static constexpr std::size_t kMaxMethodLength = 7;

    ThtmlForm(TSectionList* master, const TAttributeList& attributes);
    ThtmlForm(const ThtmlForm&) = delete;
    ThtmlForm& operator=(const ThtmlForm&) = delete;

    void InsertControl(std::shared_ptr<TFormControlObj> control);
    // Forgets every control so far, when the text that held them is discarded.
    void DropControls();
    void DoRadios(const TFormControlObj& clicked);
    void ResetControls();
    // Enter pressed in one of its controls: a form with one visible control submits. Returns
    // whether it did.
    bool ControlKeyPress(int key);
    // Collects every control's lines (and the button's own, when not empty) and hands them to
    // the document's submit hook.
    void SubmitTheForm(const std::string& buttonSubmission);

    const std::string& method() const { return m_method; }
    const std::string& action() const { return m_action; }
    const std::vector<std::shared_ptr<TFormControlObj>>& controls() const { return m_controls; }
    int nonHiddenCount() const { return m_nonHiddenCount; }
    TSectionList* master() const { return m_master; }

private:
    TSectionList* m_master = nullptr;
    std::string m_method = "Get";
    std::string m_action;
    std::vector<std::shared_ptr<TFormControlObj>> m_controls;
    int m_nonHiddenCount = 0;
};

inline constexpr int kEnterKey = 13;

} // namespace tessera::viewer
