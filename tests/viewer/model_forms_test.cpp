#include "viewer_test_support.h"

#include "viewer/model/bitmapcache.h"
#include "viewer/model/form.h"
#include "viewer/model/image.h"

#include <gtest/gtest.h>

#include <map>

namespace tessera::viewer::testing {
namespace {

struct Submitted {
    std::vector<FormSubmission> all;
};

Parsed parseForm(const std::string& html, Submitted& submitted)
{
    Parsed page = parse(html);
    page.document->submitHook = [&submitted](FormSubmission submission) { submitted.all.push_back(std::move(submission)); };
    return page;
}

template <typename T>
T& control(const Parsed& page, int form, int index)
{
    return dynamic_cast<T&>(*page.document->forms().at(static_cast<std::size_t>(form))->controls().at(static_cast<std::size_t>(index)));
}

TEST(Forms, SubmissionLinesOfEveryControl)
{
    Submitted submitted;
    Parsed page = parseForm("<FORM METHOD=POST ACTION=/go><INPUT NAME=e VALUE=text><INPUT TYPE=hidden NAME=h VALUE=1>"
                            "<INPUT TYPE=checkbox NAME=c VALUE=yes CHECKED><INPUT TYPE=checkbox NAME=d VALUE=no>"
                            "<INPUT TYPE=radio NAME=r VALUE=a><INPUT TYPE=radio NAME=r VALUE=b CHECKED>"
                            "<SELECT NAME=s><OPTION>one<OPTION VALUE=2 SELECTED>two</SELECT>"
                            "<SELECT NAME=m MULTIPLE><OPTION SELECTED>x<OPTION>y<OPTION SELECTED VALUE=zz>z</SELECT>"
                            "<TEXTAREA NAME=t>l1\nl2</TEXTAREA><INPUT TYPE=submit NAME=go VALUE=Go></FORM>",
                            submitted);
    control<TButtonFormControlObj>(page, 0, 9).click();
    ASSERT_EQ(submitted.all.size(), 1u);
    EXPECT_EQ(submitted.all[0].action, "/go");
    EXPECT_EQ(submitted.all[0].method, "POST");
    EXPECT_EQ(submitted.all[0].results, (std::vector<std::string>{"e=text", "h=1", "c=yes", "r=b", "s=2", "m=x", "m=zz",
                                                                  "t=l1", "t=l2", "go=Go"}));
}

TEST(Forms, LineEndRightAfterTextAreaTagIsNotALine)
{
    Submitted submitted;
    Parsed page = parseForm("<FORM><TEXTAREA NAME=t>\r\nl1\n\nl2</TEXTAREA></FORM>", submitted);
    EXPECT_EQ(control<TTextAreaFormControlObj>(page, 0, 0).lines(), (std::vector<std::string>{"l1", "", "l2"}));
}

TEST(Forms, RadioButtonsOfOneNameIgnoringCaseExcludeEachOther)
{
    Submitted submitted;
    Parsed page = parseForm("<FORM><INPUT TYPE=radio NAME=Color VALUE=r CHECKED><INPUT TYPE=radio NAME=COLOR VALUE=g>"
                            "<INPUT TYPE=radio NAME=size VALUE=s CHECKED></FORM>"
                            "<FORM><INPUT TYPE=radio NAME=color VALUE=x CHECKED></FORM>",
                            submitted);
    control<TRadioButtonFormControlObj>(page, 0, 1).click();
    EXPECT_FALSE(control<TRadioButtonFormControlObj>(page, 0, 0).checked());
    EXPECT_TRUE(control<TRadioButtonFormControlObj>(page, 0, 1).checked());
    EXPECT_TRUE(control<TRadioButtonFormControlObj>(page, 0, 2).checked());
    EXPECT_TRUE(control<TRadioButtonFormControlObj>(page, 1, 0).checked()); // another form
}

TEST(Forms, EnterSubmitsOnlyAFormWithOneVisibleControl)
{
    struct Case {
        const char* html;
        bool submits;
    };
    const Case cases[] = {
        {"<FORM><INPUT NAME=a></FORM>", true},
        {"<FORM><INPUT NAME=a><INPUT TYPE=hidden NAME=h></FORM>", true},
        {"<FORM><INPUT NAME=a><INPUT NAME=b></FORM>", false},
    };
    for (const Case& c : cases) {
        Submitted submitted;
        Parsed page = parseForm(c.html, submitted);
        ThtmlForm& form = *page.document->forms().at(0);
        EXPECT_FALSE(form.ControlKeyPress('a'));
        EXPECT_EQ(form.ControlKeyPress(kEnterKey), c.submits) << c.html;
        EXPECT_EQ(submitted.all.size(), c.submits ? 1u : 0u) << c.html;
    }
}

TEST(Forms, ResetRestoresInitialValues)
{
    Submitted submitted;
    Parsed page = parseForm("<FORM><INPUT NAME=e VALUE=v><INPUT TYPE=checkbox NAME=c CHECKED>"
                            "<SELECT NAME=s><OPTION>a<OPTION SELECTED>b</SELECT><TEXTAREA NAME=t>x</TEXTAREA>"
                            "<INPUT TYPE=reset></FORM>",
                            submitted);
    control<TEditFormControlObj>(page, 0, 0).setText("changed");
    control<TCheckBoxFormControlObj>(page, 0, 1).setChecked(false);
    control<TComboFormControlObj>(page, 0, 2).setSelected(0, true);
    control<TTextAreaFormControlObj>(page, 0, 3).setLines({"new", "lines"});
    control<TButtonFormControlObj>(page, 0, 4).click();
    EXPECT_TRUE(submitted.all.empty());
    EXPECT_EQ(control<TEditFormControlObj>(page, 0, 0).text(), "v");
    EXPECT_TRUE(control<TCheckBoxFormControlObj>(page, 0, 1).checked());
    EXPECT_EQ(control<TComboFormControlObj>(page, 0, 2).selectedIndex(), 1);
    EXPECT_EQ(control<TTextAreaFormControlObj>(page, 0, 3).lines(), std::vector<std::string>{"x"});
}

TEST(Forms, SubmitWithoutNameAddsNothingAndWithoutHookDoesNothing)
{
    Submitted submitted;
    Parsed page = parseForm("<FORM><INPUT NAME=a VALUE=1><INPUT TYPE=submit VALUE=Go></FORM>", submitted);
    control<TButtonFormControlObj>(page, 0, 1).click();
    ASSERT_EQ(submitted.all.size(), 1u);
    EXPECT_EQ(submitted.all[0].results, std::vector<std::string>{"a=1"});
    EXPECT_EQ(submitted.all[0].method, "Get");
    page.document->submitHook = nullptr;
    control<TButtonFormControlObj>(page, 0, 1).click();
    EXPECT_EQ(submitted.all.size(), 1u);
}

TEST(Forms, ScrollingMarksControlsForPlacing)
{
    Parsed page = parse("<INPUT NAME=a>");
    auto& edit = *page.document->forms().at(0)->controls().at(0);
    edit.shown = true;
    page.document->setScrollOffset(40);
    EXPECT_FALSE(edit.shown);
}

TEST(Maps, AreasContainPoints)
{
    Parsed page = parse("<MAP NAME=m><AREA COORDS=\"10,10,20,20\" HREF=rect><AREA SHAPE=circle COORDS=\"50,50,5\" HREF=circle>"
                        "<AREA SHAPE=poly COORDS=\"100,100,120,100,110,120,7\" HREF=poly>"
                        "<AREA COORDS=\"0,0,200,200\" NOHREF><AREA COORDS=\"0,0,300,300\" HREF=all></MAP>");
    const TMapItem* map = page.document->findMap("M");
    ASSERT_NE(map, nullptr);
    struct Probe {
        int x, y;
        bool found;
        const char* url;
    };
    const Probe probes[] = {
        {10, 10, true, "rect"}, {20, 20, true, "rect"}, {21, 15, true, ""},   {50, 45, true, "circle"},
        {55, 50, true, "circle"}, {54, 54, true, ""},  {110, 105, true, "poly"}, {101, 119, true, ""},
        {250, 250, true, "all"}, {301, 5, false, ""},
    };
    for (const Probe& probe : probes) {
        std::string url = "unset";
        EXPECT_EQ(map->GetURL(probe.x, probe.y, url), probe.found) << probe.x << "," << probe.y;
        if (probe.found) {
            EXPECT_EQ(url, probe.url) << probe.x << "," << probe.y;
        }
    }
}

class MemoryImages : public ImageSource {
public:
    std::map<std::string, DecodedImage> images;
    int loads = 0;
    std::optional<DecodedImage> loadImage(const std::string& src) override
    {
        ++loads;
        auto found = images.find(src);
        if (found == images.end())
            return std::nullopt;
        return found->second;
    }
};

DecodedImage picture(std::uint32_t bottomLeft)
{
    DecodedImage image;
    image.bitmap.width = 2;
    image.bitmap.height = 2;
    image.bitmap.pixels = {0xFF000001, 0xFF000002, bottomLeft, 0xFF000004};
    return image;
}

TEST(BitmapCache, SharesPicturesBySourceAndAgesThem)
{
    MemoryImages source;
    source.images["a.gif"] = picture(0xFF000003);
    source.images[" A.GIF "] = picture(0xFF000003);
    TSectionList document;
    document.setImageSource(&source);
    Parsed page = parse("<IMG SRC=a.gif><IMG SRC=\" A.GIF \"><IMG SRC=a.gif TRANSP><IMG SRC=missing.gif>");
    page.document->shareBitmapCache(std::shared_ptr<TStringBitmapList>(&document.bitmapCache(), [](auto*) {}));
    page.document->setImageSource(&source);
    for (const auto& image : page.text(0).images())
        page.document->loadImage(*image);
    const auto& images = page.text(0).images();
    EXPECT_EQ(source.loads, 2); // a.gif once, missing.gif once
    EXPECT_EQ(images[0]->bitmap, images[1]->bitmap);
    ASSERT_TRUE(images[2]->bitmap);
    EXPECT_TRUE(images[2]->bitmap->hasMask);
    EXPECT_EQ(images[2]->bitmap->pixel(0, 1) >> 24, 0u); // the bottom-left colour is see-through
    EXPECT_FALSE(images[3]->bitmap);

    TStringBitmapList& cache = document.bitmapCache();
    EXPECT_EQ(cache.count(), 1);
    for (int load = 0; load < TStringBitmapList::kDefaultCacheSize; ++load)
        cache.BumpAndCheck();
    EXPECT_EQ(cache.count(), 1);
    cache.BumpAndCheck();
    EXPECT_EQ(cache.count(), 0);

    cache.AddObject("X", nullptr);
    cache.BumpAndCheck();
    cache.BumpAndCheck();
    cache.SetCacheCount(1);
    EXPECT_EQ(cache.count(), 0);
    cache.SetCacheCount(99);
    EXPECT_EQ(cache.cacheCount(), TStringBitmapList::kMaxCacheSize);
}

} // namespace
} // namespace tessera::viewer::testing
