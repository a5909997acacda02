#pragma once
#include "formats/GvLevelPackEntry.h"
#include "ui/GvPanel.h"

#include <string>

class GvList;
class GvPushButton;
class GvTinyField;
class GvView;

// Chooses the level pack to play: the built-in pack and every pack file found
// beside the program, shown by name in a scrolling list with the chosen file's name
// below it.
class GvLevelPackBox : public GvPanel {
public:
    static constexpr int kRows = 7;

    explicit GvLevelPackBox(GvView& view);
    void reset() override;
    void onReturn(int key) override;
    void onEscape() override;
    // The wheel over the box scrolls the list a row per notch, leaving the selection.
    bool mouseWheel(int steps, OrbPoint point) override;

    // Loads the selected entry; false when it failed (the error box then shows why).
    bool load();
    GvList* list() const { return list_; }
    int selection() const;
    const GvLevelPackList& entries() const { return entries_; }
    const std::string& fileText() const;
    // Rescans the given folder instead of the program's (for tests).
    void setFolder(const std::string& folder) { folder_ = folder; }

    // The first row shown so that the selection sits in the middle.
    static int firstRowFor(int selection, int count, int rows);

private:
    void showFile();
    void loadPressed();

    GvView& view_;
    GvLevelPackList entries_;
    std::string folder_;
    GvList* list_ = nullptr;
    GvTinyField* file_ = nullptr;
    GvPushButton* load_ = nullptr;
};
