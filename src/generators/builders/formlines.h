#pragma once

// The HTML of a data-entry form that is sent by mail, built from the wizard's field list as an
// ordered list of lines.

#include "generators/builders/formfields.h"

#include <string>
#include <vector>

namespace tessera::generators {

struct FormLayout {
    // Each field in PRE, so captions and fields line up in a fixed-width font.
    bool preformat = false;
    // Each field a row of a two-column table: caption left, field right.
    bool table = false;
};

struct FormTexts {
    std::string submit = "Submit Form";
    std::string reset = "Reset Form";
    // The address the skeleton starts with, for the user to replace.
    std::string mailTo = "yourname@example.com";
};

// The lines one field makes; every kind makes one line except the list box.
std::vector<std::string> buildItemLines(const FormField& field, const FormLayout& layout);
// The whole form: FORM, the fields in order, the two buttons. Nothing for an empty list.
std::vector<std::string> buildFormLines(const std::vector<FormField>& fields, const FormTexts& texts,
                                        const FormLayout& layout);

} // namespace tessera::generators
