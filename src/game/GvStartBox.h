#pragma once
#include "game/GvMenuPanel.h"

#include <memory>
#include <vector>

class GvLevelPack;
class GvStatistics;
class OrbRenderToTexture;

// Where a game begins: the player picks a cave and a variant, sees the cave's
// preview and best runs (which can be replayed), and starts it. Which caves are
// offered and which levels are open depends on the records of earlier levels.
class GvStartBox : public GvMenuPanel {
public:
    explicit GvStartBox(GvView& view);
    ~GvStartBox() override;

    void reset() override;
    bool keyEvent(int key, int state, int modifiers) override;
    void onReturn() override;
    void onEscape() override;
    void beforeDraw() override;
    void graphicsCreated() override;
    void graphicsReleased() override;

    // Follows the unlock-all cheat; refreshes when the flag changed.
    void setUnlockAll(bool on);
    bool unlockAll() const { return unlockAll_; }
    // Re-reads the selected level and shows it.
    void refresh();

    int shownCave() const { return cave_; }
    int shownVariant() const { return variant_; }
    bool shownLocked() const { return locked_; }
    // The texts of the two best lines as shown.
    const std::string& bestDiamondsText() const;
    const std::string& bestTimeText() const;
    const std::string& packText() const;
    bool startEnabled() const;
    // Presses a best line's replay button (0 by diamonds, 1 by time).
    bool pressReplay(int which);

    // The rules, on their own so that they can be checked without a window.
    static bool hasRecord(const GvLevelPack& pack, const GvStatistics& statistics, int level);
    // Caves the player may choose: every normal cave, and a bonus cave once the cave
    // before it has been completed in every variant.
    static std::vector<int> offeredCaves(const GvLevelPack& pack, const GvStatistics& statistics,
                                         bool unlockAll);
    // A level marked locked opens once the nearest lower level of a normal cave has
    // been completed.
    static bool isLocked(const GvLevelPack& pack, const GvStatistics& statistics, int level,
                         bool unlockAll);
    // The first offered cave at or after `stored`, else the last one before it; -1
    // when none is offered.
    static int chooseCave(const std::vector<int>& offered, int stored);

protected:
    void drawImage(GvResources& resources, int index, const OrbRect& rect,
                   const OrbColor& tint) override;

private:
    void select(int cave, int variant);
    void stepCave(int direction);
    void stepVariant(int direction);

    bool unlockAll_ = false;
    int cave_ = 0;
    int variant_ = 0;
    bool locked_ = false;
    std::vector<int> offered_;
    int caveSpinner_ = -1;
    int variantSpinner_ = -1;
    int bestDiamonds_ = -1;
    int bestTime_ = -1;
    int replayDiamonds_ = -1;
    int replayTime_ = -1;
    int lockedText_ = -1;
    int preview_ = -1;
    int caveName_ = -1;
    int start_ = -1;
    int packName_ = -1;
    std::unique_ptr<OrbRenderToTexture> previewTarget_;
    bool previewDirty_ = true;
    bool previewDrawn_ = false;
    bool graphics_ = false;
};
