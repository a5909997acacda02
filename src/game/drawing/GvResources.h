#pragma once

#include "game/drawing/GvWorldRenderer.h"
#include "graphics/OrbColor.h"
#include "graphics/OrbProjection.h"
#include "platform/OrbUncopyable.h"
#include "ui/GvUiResources.h"

#include <array>
#include <memory>
#include <vector>

class GvCaveDef;
class GvFont;
class GvLevelPack;
class GvWorld;
class OrbRenderToTexture;
class OrbTexture;
class OrbTextureAtlas;
class OrbTextureSet;

// Every picture of the game, the four projections and the drawing of world
// objects, cave previews and the title backdrop. The pictures are built (decoded)
// once at construction and stay in memory; `setUpGraphics` and `releaseGraphics`
// bring them to and from a GL context, so a lost context costs only a re-upload.
// The frames of the free-standing pictures (explosion, bomb, boulder, diamond,
// firefly, butterfly, voodoo doll, player) share one atlas, so that a pass draws
// them in two calls (dirt comes between the explosion and the rest); tiles that
// repeat across runs keep a texture per frame.
class GvResources : OrbUncopyable {
public:
    // Size of the cave preview targets of the start box.
    static constexpr int kPreviewWidth = 512;
    static constexpr int kPreviewHeight = 256;

    // Throws OrbCorruptDataTextureException when an embedded picture is damaged.
    GvResources();
    ~GvResources();

    // For a new GL context: the drawing state, every texture uploaded, projections.
    void setUpGraphics(int width, int height);
    void releaseGraphics();
    // Recomputes the projections for a client area and re-applies the one in use.
    void resize(int width, int height);
    // Sets the viewport and orthographic canvas of projection n (0..3).
    void useProjection(int n);
    // The projection in use, scaled so that one canvas unit is 1/sx by 1/sy of
    // its canvas: the game uses it to make one unit one cell.
    void useScaledProjection(int n, float sx, float sy);

    int projectionInUse() const { return projectionInUse_; }
    const OrbProjection& projection(int n) const;
    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }
    int statusLineHeight() const { return statusLineHeight_; }

    // Colour constants are given as base values whose red, green and blue are
    // raised to the power 2.2 / 2.4 once.
    static OrbColor makeColour(float r, float g, float b, float a = 1.0f);

    // Object drawing (see GvWorldRenderer); batches are drawn by `flushAll`.
    void drawObject(const GvObject& object, const GvWorld& world, float brightness, float x,
                    float y, int gridCol, int gridRow);
    void drawRun(const GvWorld& world, const GvObject& object, int count, float brightness, float x,
                 float y, int gridCol, int gridRow);
    void drawFiller(const GvWorld& world, float brightness, const OrbRect& visible, float cameraX,
                    float cameraY);
    int flushAll();
    GvWorldRenderer& renderer() { return *renderer_; }

    // The title backdrop in the menu projection: rows of boulders and diamonds
    // scrolling down by `phase` (0..1) of a row. The row at the top edge carries
    // the number `frame` and seeds its own random stream, the rows below it
    // frame - 1, frame - 2 and so on, so advancing frame by one as phase wraps
    // scrolls the same picture on.
    void drawBackdrop(int frame, float phase, float brightness);

    // A new preview target of the start box's size (not yet acquired).
    static std::unique_ptr<OrbRenderToTexture> makePreviewTarget();
    // Draws a level's start as seen from afar into the target. False when the
    // level cannot be built or the target cannot be drawn into.
    bool drawPreview(const GvLevelPack& pack, int cave, int variant, OrbRenderToTexture& target);
    // Fills the cave's area of the target with a colour (locked or unavailable
    // previews); without render-to-texture the whole target becomes that colour.
    void drawPlaceholder(const GvCaveDef& cave, const OrbColor& colour, OrbRenderToTexture& target);

    GvFont& font() { return *font_; }
    OrbTexture& logo() { return *logo_; }
    OrbTexture& divider() { return *divider_; }
    OrbTexture& solid() { return *solid_; }
    OrbTexture& panelEdge() { return *panelEdge_; }
    OrbTexture& ramp() { return *ramp_; }
    OrbTexture& scroller() { return *scroller_; }
    OrbTexture& sparkle() { return *sparkle_; }
    OrbTexture& squareEdge() { return *squareEdge_; }
    OrbTexture& voodooDoll() { return *voodooDoll_; }
    OrbTextureSet& buttons() { return *buttons_; }
    // The pictures the menus' controls draw with.
    const GvUiResources& ui() const { return ui_; }
    // The frames of a world image kept as a set of textures; null for the single
    // images and for the images drawn from an atlas.
    OrbTextureSet* imageSet(GvImage image) const;
    // The number of frames of a world image, wherever they are kept.
    int frameCount(GvImage image) const;

private:
    // Sets the drawing canvas to the cave area of a preview target.
    void usePreviewCanvas(int caveWidth, int caveHeight);

    int clientWidth_ = 1;
    int clientHeight_ = 1;
    int statusLineHeight_ = 1;
    int projectionInUse_ = 0;
    // Projections are applied only while a GL context is set up.
    bool hasGraphics_ = false;
    std::array<OrbProjection, OrbProjectionCount> projections_{};

    std::unique_ptr<GvFont> font_;
    std::unique_ptr<OrbTexture> divider_;
    std::unique_ptr<OrbTexture> solid_;
    std::unique_ptr<OrbTexture> logo_;
    std::unique_ptr<OrbTextureAtlas> sprites_;
    std::unique_ptr<OrbTextureSet> amoeba_;
    std::unique_ptr<OrbTextureSet> buttons_;
    std::unique_ptr<OrbTextureSet> brickWall_;
    std::unique_ptr<OrbTextureSet> dirt_;
    std::unique_ptr<OrbTexture> panelEdge_;
    std::unique_ptr<OrbTexture> ramp_;
    std::unique_ptr<OrbTexture> scroller_;
    std::unique_ptr<OrbTextureSet> slime_;
    std::unique_ptr<OrbTexture> sparkle_;
    std::unique_ptr<OrbTexture> squareEdge_;
    std::unique_ptr<OrbTextureSet> steelWall_;
    std::unique_ptr<OrbTexture> voodooDoll_;

    std::unique_ptr<GvWorldRenderer> renderer_;
    GvUiResources ui_;
    // Every texture above (the font's glyphs and the sets' frames one by one):
    // what a new GL context needs uploaded.
    std::vector<OrbTexture*> textures_;
};
