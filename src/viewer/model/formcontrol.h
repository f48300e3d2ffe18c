#pragma once

#include "viewer/model/sectionbase.h"

#include <memory>
#include <string>
#include <vector>

namespace tessera::viewer {

class ThtmlForm;
class TAttributeList;

enum class ControlKind { Hidden, Edit, Button, RadioButton, CheckBox, ListBox, Combo, TextArea };

// The desktop widget that shows a control. The model keeps the control's state; the widget
// shows it and reports the user's changes through the control's setters.
class FormControlWidget {
public:
    virtual ~FormControlWidget() = default;
    virtual void place(int x, int y, int width, int height) = 0;
    virtual void setShown(bool shown) = 0;
    // The model changed (reset, a radio button unchecked by another): show the new state.
    virtual void refresh() = 0;
};

// A form control (INPUT, SELECT, TEXTAREA) at a position in its section's text.
class TFormControlObj {
public:
    TFormControlObj(ThtmlForm* form, int position, const TAttributeList& attributes, SourceRange source);
    virtual ~TFormControlObj() = default;
    TFormControlObj(const TFormControlObj&) = delete;
    TFormControlObj& operator=(const TFormControlObj&) = delete;

    virtual ControlKind kind() const = 0;
    virtual void ResetToValue() {}
    // The index-th submission line ("name=value"); false when there is none.
    virtual bool GetSubmission(int index, std::string& line) const = 0;
    bool hidden() const { return kind() == ControlKind::Hidden; }

    ThtmlForm* form() const { return m_form; }
    int position() const { return m_position; }
    void setPosition(int position) { m_position = position; }
    const std::string& name() const { return m_name; }
    const std::string& value() const { return m_value; }
    const SourceRange& sourceRange() const { return m_source; }
    void setSourceEnd(std::size_t end) { m_source.end = end; }

    // Set by layout ("set position and size") and by the viewer.
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool shown = false;
    std::unique_ptr<FormControlWidget> widget;

protected:
    void refreshWidget() const
    {
        if (widget)
            widget->refresh();
    }

private:
    ThtmlForm* m_form = nullptr;
    int m_position = 0;
    std::string m_name;
    std::string m_value;
    SourceRange m_source;
};

class THiddenFormControlObj : public TFormControlObj {
public:
    using TFormControlObj::TFormControlObj;
    ControlKind kind() const override { return ControlKind::Hidden; }
    bool GetSubmission(int index, std::string& line) const override;
};

// A single-line edit (text, password, and every unknown TYPE).
class TEditFormControlObj : public TFormControlObj {
public:
    static constexpr int kDefaultSize = 20;
    static constexpr int kMaxSize = 500;
    static constexpr int kFontSize = 10;

    TEditFormControlObj(ThtmlForm* form, int position, const TAttributeList& attributes, SourceRange source);
    ControlKind kind() const override { return ControlKind::Edit; }
    void ResetToValue() override;
    bool GetSubmission(int index, std::string& line) const override;

    const std::string& text() const { return m_text; }
    void setText(std::string text);
    int size() const { return m_size; }           // width in characters
    int maxLength() const { return m_maxLength; } // 0: no limit
    bool password() const { return m_password; }

private:
    std::string m_text;
    int m_size = kDefaultSize;
    int m_maxLength = 0;
    bool m_password = false;
};

// A submit or reset button.
class TButtonFormControlObj : public TFormControlObj {
public:
    TButtonFormControlObj(ThtmlForm* form, int position, const TAttributeList& attributes, SourceRange source);
    ControlKind kind() const override { return ControlKind::Button; }
    bool GetSubmission(int, std::string&) const override { return false; }

    bool isSubmit() const { return m_submit; }
    const std::string& label() const { return m_label; }
    // The user clicked it: a reset button resets the form, a submit button submits it.
    void click();

private:
    bool m_submit = true;
    std::string m_label;
};

// Radio buttons and check boxes.
class TCheckableFormControlObj : public TFormControlObj {
public:
    TCheckableFormControlObj(ThtmlForm* form, int position, const TAttributeList& attributes, SourceRange source);
    void ResetToValue() override;
    bool GetSubmission(int index, std::string& line) const override;
    bool checked() const { return m_checked; }
    bool initiallyChecked() const { return m_initial; }
    virtual void setChecked(bool checked);

private:
    bool m_initial = false;
    bool m_checked = false;
};

class TRadioButtonFormControlObj : public TCheckableFormControlObj {
public:
    using TCheckableFormControlObj::TCheckableFormControlObj;
    ControlKind kind() const override { return ControlKind::RadioButton; }
    // The user clicked it: it is checked, and the other radio buttons of its name are not.
    void click();
};

class TCheckBoxFormControlObj : public TCheckableFormControlObj {
public:
    using TCheckableFormControlObj::TCheckableFormControlObj;
    ControlKind kind() const override { return ControlKind::CheckBox; }
};

struct TOptionObj {
    std::string text;
    std::string value;
    bool hasValue = false;
    bool selected = false; // initial state (SELECTED)
    const std::string& submitValue() const { return hasValue ? value : text; }
};

// SELECT: a list box (MULTIPLE or SIZE above 1) or a drop-down list.
class TSelectFormControlObj : public TFormControlObj {
public:
    static constexpr int kMaxRows = 100;

    TSelectFormControlObj(ThtmlForm* form, int position, const TAttributeList& attributes, SourceRange source);
    void addOption(TOptionObj option) { m_options.push_back(std::move(option)); }
    // All options are in: take the initial state.
    void finishOptions() { ResetToValue(); }

    const std::vector<TOptionObj>& options() const { return m_options; }
    bool multiple() const { return m_multiple; }
    int rows() const { return m_rows; }
    bool isSelected(int index) const;
    void setSelected(int index, bool selected);

protected:
    std::vector<TOptionObj> m_options;
    std::vector<bool> m_selected;
    bool m_multiple = false;
    int m_rows = 1;
};

class TListBoxFormControlObj : public TSelectFormControlObj {
public:
    using TSelectFormControlObj::TSelectFormControlObj;
    ControlKind kind() const override { return ControlKind::ListBox; }
    void ResetToValue() override;
    bool GetSubmission(int index, std::string& line) const override;
};

class TComboFormControlObj : public TSelectFormControlObj {
public:
    using TSelectFormControlObj::TSelectFormControlObj;
    ControlKind kind() const override { return ControlKind::Combo; }
    void ResetToValue() override;
    bool GetSubmission(int index, std::string& line) const override;
    int selectedIndex() const;
};

class TTextAreaFormControlObj : public TFormControlObj {
public:
    static constexpr int kDefaultRows = 2;
    static constexpr int kDefaultCols = 20;
    static constexpr int kMaxChars = 500;

    TTextAreaFormControlObj(ThtmlForm* form, int position, const TAttributeList& attributes, SourceRange source);
    ControlKind kind() const override { return ControlKind::TextArea; }
    void ResetToValue() override;
    bool GetSubmission(int index, std::string& line) const override;

    void addInitialLine(std::string line) { m_initialLines.push_back(std::move(line)); }
    void finishText() { ResetToValue(); }
    const std::vector<std::string>& initialLines() const { return m_initialLines; }
    const std::vector<std::string>& lines() const { return m_lines; }
    void setLines(std::vector<std::string> lines) { m_lines = std::move(lines); }
    int rows() const { return m_rows; }
    int cols() const { return m_cols; }

private:
    std::vector<std::string> m_initialLines;
    std::vector<std::string> m_lines;
    int m_rows = kDefaultRows;
    int m_cols = kDefaultCols;
};

// Makes the control an INPUT's TYPE asks for (compared in lower case).
std::shared_ptr<TFormControlObj> makeInputControl(ThtmlForm* form, int position, const TAttributeList& attributes,
                                                  SourceRange source);
std::shared_ptr<TSelectFormControlObj> makeSelectControl(ThtmlForm* form, int position, const TAttributeList& attributes,
                                                         SourceRange source);

} // namespace tessera::viewer
