#pragma once

#include <QIcon>

// The tool book's pictures, drawn in code on one grid with one outline colour and a small
// shared palette, so every tab looks of a piece with the main window's buttons.
namespace ToolBookIcons {

enum class Icon {
    Bold, Italic, Underline, Center, Subscript, Superscript,
    FontLarger, FontSmaller, FontColour, FontDialog, Comment, NonBreakingSpace,
    LineBreak, HorizontalRule, Paragraph, Division, Heading, DownArrow,
    ListItem, List,
    Table, TableWizard,
    Image, ImageGallery,
    Link,
    CheckBox, RadioButton, TextField, TextArea, HiddenField, ListBox, Option, FormSkeleton, FormWizard,
    TemplateBody, TemplateLink, TemplateMailLink, TemplateImage, TemplateText, TemplateHeading,
    TemplateDefaults, TemplateWizard,
};

QIcon icon(Icon which);

} // namespace ToolBookIcons
