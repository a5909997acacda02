#include "game/drawing/GvStatusLine.h"

#include "game/drawing/GvResources.h"
#include "graphics/GvFont.h"
#include "graphics/OrbTexture.h"
#include "sim/GvWorld.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

// Glyphs of the game font drawn beside the numbers.
static constexpr char kLevelGlyph = 0x1D;
static constexpr char kDiamondGlyph = 0x1E;
static constexpr char kClockGlyph = 0x1F;
static constexpr int kTextFlags = OrbFont::kSmallCaps;

static std::string threeDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%03d", value);
    return text;
}

static OrbColor faded(OrbColor colour, float fade) {
    colour.r *= fade;
    colour.g *= fade;
    colour.b *= fade;
    colour.a *= fade;
    return colour;
}

void GvStatusLine::setResources(GvResources* resources) {
    resources_ = resources;
    title_.clear();
    filteredTitle_.clear();
    titleWidth_ = 0.0f;
    if (resources_ == nullptr) {
        return;
    }
    const OrbFont& font = resources_->font();
    spaceWidth_ = font.textWidth(" ", kTextSize, kTextFlags, 1.0f, false);
    codeWidth_ = font.textWidth(" M-9", kTextSize, kTextFlags, 1.0f, false);
    diamondGlyphWidth_ =
        font.textWidth(std::string(1, kDiamondGlyph), kTextSize, kTextFlags, 1.0f, false);
    numberWidth_ = font.textWidth("999 ", kTextSize, kTextFlags, 1.0f, false);
}

OrbColor GvStatusLine::titleColour() {
    return GvResources::makeColour(0.2f, 0.1f, 1.0f);
}

OrbColor GvStatusLine::diamondGlyphColour(bool quotaReached) {
    return quotaReached ? GvResources::makeColour(0.0f, 0.9f, 0.0f)
                        : GvResources::makeColour(1.0f, 1.0f, 0.0f);
}

OrbColor GvStatusLine::diamondCountColour(bool quotaReached) {
    return quotaReached ? GvResources::makeColour(0.0f, 0.9f, 0.0f)
                        : GvResources::makeColour(1.0f, 1.0f, 1.0f);
}

OrbColor GvStatusLine::clockColour(const GvWorld& world, double clock, bool glyph) {
    const float seconds = world.remainingSeconds();
    const bool noTimeLeft = world.game_ticks <= 0 || seconds <= 0.0f;
    if (!noTimeLeft && seconds > kWarningSeconds) {
        return glyph ? GvResources::makeColour(1.0f, 1.0f, 0.0f)
                     : GvResources::makeColour(1.0f, 1.0f, 1.0f);
    }
    // The countdown drives the pulse while it runs; once it has stopped at zero
    // the program clock keeps it going, so an expired clock still catches the eye.
    const double source = noTimeLeft ? clock : static_cast<double>(kWarningSeconds - seconds);
    double u = source - std::floor(source);
    u = u * u * (3.0 - 2.0 * u);
    const OrbColor red = GvResources::makeColour(1.0f, 0.0f, 0.0f);
    const OrbColor dark = GvResources::makeColour(0.4f, 0.0f, 0.0f);
    const float t = static_cast<float>(u);
    return OrbColor{red.r + (dark.r - red.r) * t, red.g + (dark.g - red.g) * t,
                    red.b + (dark.b - red.b) * t, 1.0f};
}

void GvStatusLine::drawTitle(const GvWorld& world, float fade, float left, float width) {
    OrbFont& font = resources_->font();
    if (world.display_name != title_ || filteredTitle_.empty()) {
        title_ = world.display_name;
        filteredTitle_ = OrbFont::filterText(title_, false);
        titleWidth_ = font.textWidth(filteredTitle_, kTextSize, kTextFlags, 1.0f, false);
    }
    const float room = width - 2.0f * spaceWidth_;
    float scale = 1.0f;
    if (titleWidth_ > room && titleWidth_ > 0.0f) {
        scale = std::max(room, 0.0f) / titleWidth_;
    }
    font.drawText(OrbPoint{left + width / 2.0f, kTextBottom}, filteredTitle_, kTextSize,
                  faded(titleColour(), fade), kTextFlags,
                  OrbFont::kAlignCentre | OrbFont::kAlignBottom, scale);
}

void GvStatusLine::drawDivider(float fade, float left, float width) {
    OrbTexture& divider = resources_->divider();
    // One copy of the picture per its own aspect's worth of line.
    const float aspect = divider.height() > 0 ? static_cast<float>(divider.width()) /
                                                    static_cast<float>(divider.height())
                                              : 1.0f;
    const float repeats = width / (kDividerHeight * std::max(aspect, 0.001f));
    divider.addQuad(OrbRect{left, 0.0f, width, kDividerHeight}, OrbPoint{repeats, 1.0f},
                    faded(OrbColor{}, fade));
    divider.flush();
}

void GvStatusLine::draw(const GvWorld& world, double clock, float fade) {
    if (resources_ == nullptr) {
        return;
    }
    const OrbRect& canvas = resources_->projection(OrbProjectionStatusLine).canvas();
    const float left = canvas.x;
    const float width = canvas.width;
    const float right = left + width;
    OrbFont& font = resources_->font();
    const int bottom = OrbFont::kAlignBottom;

    if (world.state == GvWorldState::PreGame && !world.display_name.empty()) {
        drawTitle(world, fade, left, width);
    } else {
        const OrbColor white = faded(GvResources::makeColour(1.0f, 1.0f, 1.0f), fade);
        const OrbColor yellow = faded(GvResources::makeColour(1.0f, 1.0f, 0.0f), fade);
        const float codeX = left + codeWidth_;
        font.drawText(OrbPoint{codeX, kTextBottom}, world.level_code, kTextSize, white, kTextFlags,
                      OrbFont::kAlignRight | bottom);
        font.drawText(OrbPoint{codeX, kTextBottom}, std::string(1, kLevelGlyph), kTextSize, yellow,
                      kTextFlags, OrbFont::kAlignLeft | bottom);

        const bool reached = world.diamonds_collected >= world.diamond_quota;
        const float centre = left + width / 2.0f;
        font.drawText(OrbPoint{centre, kTextBottom}, std::string(1, kDiamondGlyph), kTextSize,
                      faded(diamondGlyphColour(reached), fade), kTextFlags,
                      OrbFont::kAlignCentre | bottom);
        const OrbColor count = faded(diamondCountColour(reached), fade);
        font.drawText(OrbPoint{centre - diamondGlyphWidth_ / 2.0f, kTextBottom},
                      threeDigits(world.diamonds_collected), kTextSize, count, kTextFlags,
                      OrbFont::kAlignRight | bottom);
        font.drawText(OrbPoint{centre + diamondGlyphWidth_ / 2.0f, kTextBottom},
                      threeDigits(world.diamond_quota), kTextSize, count, kTextFlags,
                      OrbFont::kAlignLeft | bottom);

        const float clockX = right - numberWidth_;
        const int seconds = static_cast<int>(std::floor(world.remainingSeconds()));
        font.drawText(OrbPoint{clockX, kTextBottom}, std::string(1, kClockGlyph), kTextSize,
                      faded(clockColour(world, clock, true), fade), kTextFlags,
                      OrbFont::kAlignRight | bottom);
        font.drawText(OrbPoint{clockX, kTextBottom}, threeDigits(std::max(seconds, 0)), kTextSize,
                      faded(clockColour(world, clock, false), fade), kTextFlags,
                      OrbFont::kAlignLeft | bottom);
    }
    font.flushGlyphs();
    drawDivider(fade, left, width);
}
