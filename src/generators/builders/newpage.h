#pragma once

// The first HTML of a new page, built from the answers of the "Initial Values" dialog, and the
// small rules that turn it into the page's own text and pick the theme's pictures.

#include "generators/builders/generatorhelpers.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessera::generators {

// The theme's pictures, named by prefix + theme + ".gif".
inline constexpr std::string_view themeBackgroundPrefix = "t_";
inline constexpr std::string_view themeLinePrefix = "l_";

struct NewPageSpec {
    // The whole DOCTYPE line; empty for "none".
    std::string documentType;
    std::string title = "Web Page Title Here";
    std::string comments = "Comments go here";
    std::string keywords;
    std::string description;
    std::string author;

    // Empty when no theme is used. The themes directory ends in a separator.
    std::string theme;
    std::string themesDirectory;
    std::string background;
    bool leftArrow = false;
    bool rightArrow = false;
    bool upArrow = false;
    bool downArrow = false;
    bool questionMark = false;
    bool fixedBackground = false;

    std::string email;
    std::string emailCaption = "Click here to send us an email message";
    std::string heading;
    std::optional<Rgb> headingColour;
    int headingSize = 1;
    std::string logo;
    bool centre = true;

    std::string greeting;
    std::vector<std::string> otherInformation;
    int baseFontSize = 3;

    // RRGGBB as typed; an empty one is left out of the BODY tag.
    std::string textColour = "000000";
    std::string linkColour = "FF0000";
    std::string visitedLinkColour = "800080";
    std::string activeLinkColour = "000000";
    std::string backgroundColour = "C0C0C0";
    // -1 writes no margin.
    int leftMargin = -1;
    int rightMargin = -1;

    // When the page is made, in the user's formats.
    std::string date;
    std::string time;
};

// The page's background picture: the theme's when a theme is used and no picture is given,
// else the picture given (maybe none).
std::string newPageBackground(const NewPageSpec& spec);

std::vector<std::string> buildNewPage(const NewPageSpec& spec);

// The generated lines as the page beside its pictures holds them: the themes directory removed
// (theme pictures become bare names) and the background and logo reduced to their file names.
std::vector<std::string> pageLinesBesidePictures(std::vector<std::string> lines, std::string_view themesDirectory,
                                                 std::string_view background, std::string_view logo);

// The text after the last "/" or "\".
std::string fileNameOf(std::string_view path);

// Whether a file of the themes directory belongs to `theme`: any two characters, then exactly
// the theme's name and ".gif", ignoring case. Nothing in the name is a wildcard.
bool isThemeFile(std::string_view fileName, std::string_view theme);

} // namespace tessera::generators
