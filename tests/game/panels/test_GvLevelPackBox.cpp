#include "game/panels/GvLevelPackBox.h"

#include "game/panels/GvStartBox.h"
#include "levelpack/GvLevelPack.h"
#include "ui/GvList.h"

#include "PanelTestSupport.h"
#include "game/GvViewTestSupport.h"

#include <gtest/gtest.h>

namespace {

// Twelve packs named "Pack 00" to "Pack 11" and one named "Small" beside the
// built-in pack, with the box open over the start box.
class GvLevelPackBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string text = smallPackText();
        const std::string::size_type name = text.find("Small");
        for (int i = 0; i < 13; ++i) {
            char title[16];
            std::snprintf(title, sizeof title, "Pack %02d", i);
            std::string pack = text;
            pack.replace(name, 5, i < 12 ? title : "Small");
            folder.writeFile(std::string(i < 12 ? "p" : "s") + std::to_string(i) + ".grv", pack);
        }
        box().setFolder(folder.folder + "/");
        advanceFor(view, 0.4);
        view.showScreen(&view.startBox());
        advanceFor(view, 0.4);
        view.showScreen(&box());
        advanceFor(view, 0.4);
        ASSERT_EQ(list().count(), 14);
    }

    GvLevelPackBox& box() { return view.levelPackBox(); }
    GvList& list() { return *box().list(); }
    int indexOf(const std::string& name) {
        const auto& items = list().items();
        return static_cast<int>(std::find(items.begin(), items.end(), name) - items.begin());
    }

    ViewTestFolder folder;
    FakeViewImpl impl;
    GvView view{impl};
};

TEST_F(GvLevelPackBoxTest, TheSelectionFollowsTheKeysAndReturnLoadsIt) {
    ASSERT_EQ(box().fileText(), "[Standard Level Pack]");
    const int first = list().selected();
    tapKey(view, OrbKeyDown);
    tapKey(view, OrbKeyRight);
    tapKey(view, OrbKeyLeft);
    EXPECT_EQ(list().selected(), first + 1);
    const std::string chosen = list().items()[first + 1];
    EXPECT_NE(box().fileText(), "[Standard Level Pack]");
    // Tab moves the focus to LOAD and leaves the selection where it was.
    tapKey(view, OrbKeyTab);
    EXPECT_EQ(box().findFocused(), findText(box(), "LOAD"));
    EXPECT_EQ(list().selected(), first + 1);
    tapKey(view, OrbKeyReturn);
    EXPECT_EQ(view.levelPack().name, chosen);
    EXPECT_EQ(view.incomingPanel(), &view.startBox());
}

TEST_F(GvLevelPackBoxTest, PageKeysStepByTheRowsLessOne) {
    list().setSelected(0);
    tapKey(view, OrbKeyPageDown);
    EXPECT_EQ(list().selected(), GvLevelPackBox::kRows - 1);
    tapKey(view, OrbKeyEnd);
    EXPECT_EQ(list().selected(), 13);
    EXPECT_EQ(list().firstVisible(), 14 - GvLevelPackBox::kRows);
    tapKey(view, OrbKeyPageUp);
    EXPECT_EQ(list().selected(), 13 - (GvLevelPackBox::kRows - 1));
}

TEST_F(GvLevelPackBoxTest, TypingFindsAPackByTheBeginningOfItsName) {
    for (const char c : std::string("sm")) {
        tapKey(view, c);
    }
    EXPECT_EQ(list().selected(), indexOf("Small"));
    EXPECT_EQ(box().fileText(), "s12.grv");
    advanceFor(view, 1.2);
    for (const char c : std::string("pack 1")) {
        tapKey(view, c);
    }
    EXPECT_EQ(list().selected(), indexOf("Pack 10"));
}

TEST_F(GvLevelPackBoxTest, ADoubleClickLoadsTheRowUnderThePointer) {
    const OrbRect row = list().rowRect(2);
    const OrbPoint p{row.x + 5.0f, row.y + row.height / 2.0f};
    const int index = list().firstVisible() + 2;
    view.modalPanel()->mouseButton(OrbMouseLeft, true, p, 0);
    view.modalPanel()->mouseButton(OrbMouseLeft, false, p, 0);
    EXPECT_EQ(list().selected(), index);
    EXPECT_FALSE(view.hasLoadedPack()) << "one click only selects";
    view.modalPanel()->mouseButton(OrbMouseDoubleClick, true, p, 0);
    EXPECT_TRUE(view.hasLoadedPack());
    EXPECT_EQ(view.levelPack().name, list().items()[index]);
}

TEST_F(GvLevelPackBoxTest, TheScrollBarAndTheWheelScrollWithoutSelecting) {
    list().setSelected(0);
    ASSERT_TRUE(list().hasScrollBar());
    const int selected = list().selected();
    const OrbRect thumb = list().thumbRect();
    const OrbRect track = list().trackRect();
    const OrbPoint grab{thumb.x + thumb.width / 2.0f, thumb.y + thumb.height / 2.0f};
    box().mouseButton(OrbMouseLeft, true, grab, 0);
    box().mouseMove({grab.x, track.y - 50.0f}, 0);
    box().mouseButton(OrbMouseLeft, false, {grab.x, track.y - 50.0f}, 0);
    EXPECT_EQ(list().firstVisible(), 14 - GvLevelPackBox::kRows);

    EXPECT_TRUE(box().mouseWheel(2, grab));
    EXPECT_EQ(list().firstVisible(), 14 - GvLevelPackBox::kRows - 2);
    box().mouseWheel(-10, grab);
    EXPECT_EQ(list().firstVisible(), 14 - GvLevelPackBox::kRows);
    EXPECT_FALSE(box().mouseWheel(1, {0.0f, 99.0f})) << "outside the box";
    EXPECT_EQ(list().selected(), selected);
}

} // namespace
