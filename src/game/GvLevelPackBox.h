#pragma once
#include "formats/GvLevelPackEntry.h"
#include "game/GvMenuPanel.h"

// Chooses the level pack to play: the built-in pack and every pack file found
// beside the program, shown by name in a scrolling list with the chosen file's name
// below it.
class GvLevelPackBox : public GvMenuPanel {
public:
    static constexpr int kRows = 7;

    explicit GvLevelPackBox(GvView& view);
    void reset() override;
    bool keyEvent(int key, int state, int modifiers) override;
    void onReturn() override;
    void onEscape() override;

    // Loads the selected entry; false when it failed (the error box then shows why).
    bool load();
    void setSelection(int index);
    int selection() const { return selection_; }
    int firstRow() const { return first_; }
    const GvLevelPackList& entries() const { return entries_; }
    const std::string& fileText() const;
    // Rescans the given folder instead of the program's (for tests).
    void setFolder(const std::string& folder) { folder_ = folder; }

    // The first row shown so that the selection sits in the middle.
    static int firstRowFor(int selection, int count, int rows);

private:
    void showRows();
    bool inList() const;

    GvLevelPackList entries_;
    std::string folder_;
    int selection_ = 0;
    int first_ = 0;
    int rows_[kRows] = {};
    int file_ = -1;
    int load_ = -1;
};
