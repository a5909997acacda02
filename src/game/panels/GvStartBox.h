#pragma once
#include "ui/GvPanel.h"

#include <memory>
#include <string>
#include <vector>

class GvCavePreview;
class GvCustomSpinner;
class GvField;
class GvIntSpinner;
class GvLevelPack;
class GvPushButton;
class GvSmallField;
class GvStatistics;
class GvText;
class GvTinyField;
class GvView;
class OrbRenderToTexture;

// Where a game begins: the player picks a cave and a variant, sees the cave's
// preview and best runs (which can be replayed), and starts it. Which caves are
// offered and which levels are open depends on the records of earlier levels.
class GvStartBox : public GvPanel {
public:
    explicit GvStartBox(GvView& view);
    ~GvStartBox() override;

    void reset() override;
    bool keyEvent(int key, int action, int modifiers) override;
    void onReturn(int key) override;
    void onEscape() override;
    void prepareDraw() override;
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
    // The texts of the two best lines as shown (empty while hidden).
    std::string bestDiamondsText() const;
    std::string bestTimeText() const;
    const std::string& packText() const;
    GvCustomSpinner* caveSpinner() const { return caveSpinner_; }
    GvIntSpinner* variantSpinner() const { return variantSpinner_; }
    GvPushButton* startButton() const { return start_; }
    // The replay button of a best line (0 by diamonds, 1 by time).
    GvPushButton* replayButton(int which) const { return replay_[which != 0 ? 1 : 0]; }

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

private:
    void select(int cave, int variant);
    void caveChanged();
    void variantChanged();
    void replayDiamonds();
    void replayTime();
    void replay(int which);
    void showPackBox();

    GvView& view_;
    bool unlockAll_ = false;
    int cave_ = 0;
    int variant_ = 0;
    bool locked_ = false;
    std::vector<int> offered_;
    GvCustomSpinner* caveSpinner_ = nullptr;
    GvIntSpinner* variantSpinner_ = nullptr;
    GvSmallField* noDiamonds_ = nullptr;
    GvSmallField* noTime_ = nullptr;
    GvField* bestDiamonds_ = nullptr;
    GvField* bestTime_ = nullptr;
    GvPushButton* replay_[2] = {nullptr, nullptr};
    GvText* lockedText_ = nullptr;
    GvCavePreview* preview_ = nullptr;
    GvTinyField* caveName_ = nullptr;
    GvPushButton* start_ = nullptr;
    GvField* packName_ = nullptr;
    std::unique_ptr<OrbRenderToTexture> previewTarget_;
    bool previewDirty_ = true;
};
