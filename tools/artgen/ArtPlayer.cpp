// The player: a small miner with a lamp on his helmet, drawn from soft shaded
// parts in front, back and side views and posed frame by frame.
#include "ArtBook.h"
#include "ArtShade.h"

#include <functional>

static const int kTile = 128;
static const float kPx = 1.0f / kTile;

static const V3 kHelmet = rgb(0xf2c230), kSkin = rgb(0xf0b088), kJacket = rgb(0x2f6cc0),
                kTrousers = rgb(0x2c3560), kBoot = rgb(0x6a3c1c), kGlove = rgb(0xd8a050),
                kBelt = rgb(0x3a2412), kPack = rgb(0x8a5a2a), kHair = rgb(0x5a3418),
                kEye = rgb(0x1c1418);

// One part of the figure, drawn over those before it.
struct Part {
    std::function<float(V2)> sd;
    V3 colour;
    float width; // dome width; 0 draws the part flat, below 0 a glow reaching -width
    float alpha = 1;
    V2 lo{0, 0}, hi{1, 1}; // where the part can be non-empty
};

class Figure {
public:
    float px = kPx; // pixel size in figure units

    void add(std::function<float(V2)> sd, V3 colour, float width = 0.05f, float alpha = 1) {
        Part part{std::move(sd), colour, width, alpha};
        // Find the part's box on a coarse grid so that pixels far from it are
        // skipped quickly.
        V2 lo{2, 2}, hi{-1, -1};
        for (int y = 0; y <= 64; ++y) {
            for (int x = 0; x <= 64; ++x) {
                const V2 p{x / 64.0f, y / 64.0f};
                if (part.sd(p) < (part.width < 0 ? -part.width * 5 : 0.03f)) {
                    lo = {std::min(lo.x, p.x), std::min(lo.y, p.y)};
                    hi = {std::max(hi.x, p.x), std::max(hi.y, p.y)};
                }
            }
        }
        part.lo = lo - V2{0.04f, 0.04f};
        part.hi = hi + V2{0.04f, 0.04f};
        if (hi.x >= lo.x) {
            parts.push_back(std::move(part));
        }
    }
    C4 shade(V2 p) const {
        C4 out{{0, 0, 0}, 0};
        for (const Part& part : parts) {
            if (p.x < part.lo.x || p.y < part.lo.y || p.x > part.hi.x || p.y > part.hi.y) {
                continue;
            }
            C4 c;
            if (part.width > 0) {
                c = pillow(part.sd, p, px, part.colour, part.width, 2.2f);
            } else if (part.width < 0) {
                c = {part.colour, std::exp(-std::max(0.0f, part.sd(p)) / -part.width)};
            } else {
                c = {part.colour, coverage(part.sd(p), px)};
            }
            c.a *= part.alpha;
            if (c.a > 0) {
                out = over(out, c);
            }
        }
        return out;
    }

private:
    std::vector<Part> parts;
};

enum class View { Front, Back, Side };

struct Pose {
    View view = View::Front;
    float bob = 0, sway = 0;
    // Front and back views: foot lift and hand swing, left and right.
    float lift[2] = {0, 0}, swing[2] = {0, 0};
    // Side view: thigh angle and knee bend of the near and far leg, arm angles,
    // and the lean of the upper body (radians; positive leans forward).
    float thigh[2] = {0, 0}, knee[2] = {0, 0}, arm[2] = {0, 0}, lean = 0;
    bool pushing = false;
    float blink = 0, tap = 0;
};

static V2 legDir(float a) {
    return {std::sin(a), -std::cos(a)};
}

static void drawHead(Figure& f, V2 hc, View view, float blink, bool pushing) {
    const float r = 0.165f;
    if (view == View::Back) {
        f.add([=](V2 p) { return sdCircle(p, hc, r); }, kHair, 0.1f);
    } else {
        f.add([=](V2 p) { return sdCircle(p, hc, r); }, kSkin, 0.1f);
    }
    if (view == View::Side) {
        f.add(
            [=](V2 p) {
                return sdCircle(p, hc + V2{0.155f, -0.045f}, 0.032f);
            },
            kSkin, 0.03f); // nose
        f.add(
            [=](V2 p) {
                return sdCircle(p, hc + V2{-0.02f, -0.025f}, 0.026f);
            },
            kSkin * 0.96f, 0.03f); // ear
    }
    // Helmet: a dome over the head with a brim and the lamp.
    const V2 dome = hc + V2{view == View::Side ? 0.005f : 0.0f, 0.03f};
    f.add([=](V2 p) { return std::max(sdCircle(p, dome, 0.178f), -(p.y - (hc.y + 0.02f))); },
          kHelmet, 0.12f);
    if (view == View::Side) {
        f.add(
            [=](V2 p) {
                return sdEllipse(p, hc + V2{0.05f, 0.025f}, {0.215f, 0.028f});
            },
            kHelmet * 0.9f, 0.02f);
        f.add(
            [=](V2 p) {
                return sdBox(p, hc + V2{0.15f, 0.1f}, {0.03f, 0.038f}, 0.012f);
            },
            rgb(0x505860), 0.02f);
        f.add(
            [=](V2 p) {
                return sdEllipse(p, hc + V2{0.182f, 0.1f}, {0.012f, 0.03f});
            },
            rgb(0xfff8d0), 0);
        f.add(
            [=](V2 p) {
                return sdEllipse(p, hc + V2{0.186f, 0.1f}, {0.01f, 0.028f});
            },
            rgb(0xfff2b0), -0.022f, 0.5f);
    } else {
        f.add(
            [=](V2 p) {
                return sdEllipse(p, hc + V2{0, 0.022f}, {0.2f, 0.03f});
            },
            kHelmet * 0.9f, 0.02f);
        if (view == View::Front) {
            f.add(
                [=](V2 p) {
                    return sdCircle(p, hc + V2{0, 0.115f}, 0.05f);
                },
                rgb(0x505860), 0.03f);
            f.add(
                [=](V2 p) {
                    return sdCircle(p, hc + V2{0, 0.115f}, 0.034f);
                },
                rgb(0xfff6c0), 0.02f);
            f.add([=](V2 p) { return sdCircle(p, hc + V2{-0.012f, 0.127f}, 0.01f); }, {1, 1, 1}, 0);
            f.add(
                [=](V2 p) {
                    return sdCircle(p, hc + V2{0, 0.115f}, 0.03f);
                },
                rgb(0xfff2b0), -0.025f, 0.5f);
        } else {
            f.add(
                [=](V2 p) {
                    return std::max(sdBox(p, hc + V2{0, 0.085f}, {0.17f, 0.012f}, 0),
                                    sdCircle(p, dome, 0.176f));
                },
                rgb(0x3a3a40), 0);
        }
    }
    if (view == View::Back) {
        return;
    }
    // Eyes: close from the top as the blink goes on.
    const float open = std::max(0.0f, 1 - blink);
    auto eye = [&](V2 c) {
        if (open > 0.15f) {
            const float h = 0.036f * open * (pushing ? 0.7f : 1.0f);
            f.add([=](V2 p) { return sdEllipse(p, c, {0.024f, h}); }, kEye, 0);
            f.add(
                [=](V2 p) {
                    return sdCircle(p, c + V2{0.008f, h * 0.4f}, 0.008f * open);
                },
                {1, 1, 1}, 0);
        } else {
            f.add(
                [=](V2 p) {
                    return sdCapsule(p, c - V2{0.022f, 0}, c + V2{0.022f, 0}, 0.006f);
                },
                kEye, 0);
        }
        if (pushing) {
            f.add(
                [=](V2 p) {
                    return sdCapsule(p, c + V2{-0.02f, 0.05f}, c + V2{0.025f, 0.035f}, 0.007f);
                },
                kHair, 0);
        }
    };
    if (view == View::Side) {
        eye(hc + V2{0.085f, -0.015f});
        f.add(
            [=](V2 p) {
                return sdCapsule(p, hc + V2{0.09f, -0.095f}, hc + V2{0.125f, -0.09f}, 0.007f);
            },
            rgb(0x8a3a2a), 0);
    } else {
        eye(hc + V2{-0.06f, -0.02f});
        eye(hc + V2{0.06f, -0.02f});
        // Cheeks and a small smile.
        f.add(
            [=](V2 p) {
                return sdCircle(V2{std::fabs(p.x - hc.x), p.y}, {0.1f, hc.y - 0.075f}, 0.028f);
            },
            rgb(0xf08070), 0, 0.35f);
        f.add(
            [=](V2 p) {
                const float arc = std::fabs(length(p - (hc + V2{0, -0.04f})) - 0.05f) - 0.007f;
                return std::max(arc, p.y - (hc.y - 0.075f));
            },
            rgb(0x8a3a2a), 0);
    }
}

static Figure frontFigure(const Pose& pose) {
    Figure f;
    const bool back = pose.view == View::Back;
    const float hipY = 0.3f + pose.bob, cx = 0.5f + pose.sway;
    for (int i = 0; i < 2; ++i) {
        const float s = i == 0 ? -1.0f : 1.0f;
        const V2 hip{cx + s * 0.055f, hipY}, ankle{cx + s * 0.065f, 0.115f + pose.lift[i]};
        f.add([=](V2 p) { return sdCapsule(p, hip, ankle, 0.052f); }, kTrousers, 0.05f);
        const float grow = back ? 1 - pose.lift[i] * 2 : 1 + pose.lift[i] * 2.5f;
        const float tap = i == 1 ? pose.tap : 0;
        const V2 boot{ankle.x + s * 0.01f, ankle.y - 0.038f + tap * 0.02f};
        f.add(
            [=](V2 p) {
                return sdEllipse(p, boot, V2{0.07f, 0.042f - tap * 0.01f} * grow);
            },
            kBoot, 0.04f);
    }
    const V2 torso{cx, hipY + 0.1f};
    auto torsoSd = [=](V2 p) { return sdBox(p, torso, {0.125f, 0.115f}, 0.06f); };
    f.add(torsoSd, kJacket, 0.08f);
    if (back) {
        f.add(
            [=](V2 p) {
                return sdBox(p, torso + V2{0, 0.01f}, {0.09f, 0.085f}, 0.03f);
            },
            kPack, 0.05f);
        f.add(
            [=](V2 p) {
                return sdBox(p, torso + V2{0, 0.045f}, {0.09f, 0.012f}, 0.01f);
            },
            kPack * 0.7f, 0);
    } else {
        f.add(
            [=](V2 p) {
                return sdCapsule(p, torso + V2{0, 0.1f}, torso + V2{0, -0.07f}, 0.006f);
            },
            kJacket * 0.6f, 0);
    }
    f.add([=](V2 p) { return std::max(torsoSd(p), std::fabs(p.y - (hipY + 0.005f)) - 0.02f); },
          kBelt, 0.02f);
    if (!back) {
        f.add(
            [=](V2 p) {
                return sdBox(p, {cx, hipY + 0.005f}, {0.025f, 0.02f}, 0.006f);
            },
            rgb(0xe0c040), 0.01f);
    }
    for (int i = 0; i < 2; ++i) {
        const float s = i == 0 ? -1.0f : 1.0f;
        const V2 shoulder{cx + s * 0.12f, hipY + 0.165f};
        const V2 hand{cx + s * (0.15f - pose.swing[i] * 0.03f),
                      hipY - 0.015f + pose.swing[i] * 0.05f};
        f.add([=](V2 p) { return sdCapsule(p, shoulder, hand, 0.043f); }, kJacket * 0.92f, 0.04f);
        f.add([=](V2 p) { return sdCircle(p, hand + V2{0, -0.01f}, 0.045f); }, kGlove, 0.04f);
    }
    drawHead(f, {cx, hipY + 0.345f}, pose.view, pose.blink, false);
    return f;
}

static Figure sideFigure(const Pose& pose) {
    Figure f;
    const V2 hip{0.47f, 0.3f + pose.bob};
    auto up = [&](V2 local) { return hip + rotate(local, -pose.lean); };
    auto leg = [&](int i, float dim) {
        const V2 knee = hip + legDir(pose.thigh[i]) * 0.1f;
        const V2 ankle = knee + legDir(pose.thigh[i] - pose.knee[i]) * 0.1f;
        f.add(
            [=](V2 p) {
                return std::min(sdCapsule(p, hip, knee, 0.05f), sdCapsule(p, knee, ankle, 0.047f));
            },
            kTrousers * dim, 0.045f);
        const float tilt = (pose.thigh[i] - pose.knee[i]) * 0.35f;
        const V2 boot = ankle + V2{0.03f, -0.025f};
        f.add(
            [=](V2 p) {
                return sdEllipse(rotate(p - boot, -tilt) + boot, boot, {0.072f, 0.038f});
            },
            kBoot * dim, 0.035f);
    };
    auto arm = [&](int i, float dim) {
        const V2 shoulder = up({0.0f, 0.16f});
        V2 elbow, hand;
        if (pose.pushing) {
            elbow = up({0.11f, 0.14f + i * 0.01f});
            hand = up({0.22f, 0.15f + i * 0.015f});
        } else {
            elbow = shoulder + legDir(pose.arm[i]) * 0.085f;
            hand = elbow + legDir(pose.arm[i] + 0.35f) * 0.08f;
        }
        f.add(
            [=](V2 p) {
                return std::min(sdCapsule(p, shoulder, elbow, 0.04f),
                                sdCapsule(p, elbow, hand, 0.038f));
            },
            kJacket * (0.92f * dim), 0.04f);
        f.add([=](V2 p) { return sdCircle(p, hand, 0.044f); }, kGlove * dim, 0.04f);
    };
    leg(1, 0.72f);
    arm(1, 0.72f);
    const float lean = pose.lean;
    const V2 torso = up({0, 0.095f});
    f.add(
        [=](V2 p) {
            return sdBox(rotate(p - torso, lean) + torso, torso + V2{-0.1f, 0.01f},
                         {0.045f, 0.085f}, 0.03f);
        },
        kPack, 0.04f);
    auto torsoSd = [=](V2 p) {
        return sdBox(rotate(p - torso, lean) + torso, torso, {0.1f, 0.115f}, 0.05f);
    };
    f.add(torsoSd, kJacket, 0.07f);
    const V2 beltC = up({0, 0.005f});
    f.add([=](V2 p) { return std::max(torsoSd(p), std::fabs(rotate(p - beltC, lean).y) - 0.02f); },
          kBelt, 0.02f);
    leg(0, 1);
    arm(0, 1);
    drawHead(f, up({0.015f, 0.345f}), View::Side, pose.blink, pose.pushing);
    return f;
}

// The figure is posed in its own units and drawn enlarged about the point
// between its feet, so that it fills the cell.
static const float kScale = 1.12f;
static const V2 kFeet{0.5f, 0.03f};

static ArtPicture render(const Pose& pose) {
    Figure figure = pose.view == View::Side ? sideFigure(pose) : frontFigure(pose);
    figure.px = kPx / kScale;
    ArtCanvas canvas(kTile, kTile);
    // A soft contact shadow under the feet keeps the figure standing.
    canvas.paint([](V2 p) {
        const float d = length(V2{(p.x - 0.5f) / 0.34f, (p.y - 0.045f) / 0.04f});
        return C4{{0, 0, 0}, 0.4f * (1 - smoothstep(0.4f, 1.0f, d))};
    });
    canvas.paint([&figure](V2 p) { return figure.shade(kFeet + (p - kFeet) * (1 / kScale)); });
    return finish(canvas, ArtFormat::Rgba);
}

// Side-view walk at phase phi (radians): the legs swing opposite each other,
// the knee of the leg coming forward bends, the arms swing against the legs.
static Pose sideWalk(float phi, bool pushing) {
    Pose pose;
    pose.view = View::Side;
    pose.pushing = pushing;
    for (int i = 0; i < 2; ++i) {
        const float ph = phi + i * kPi;
        pose.thigh[i] = (pushing ? -0.2f : 0.0f) + (pushing ? 0.38f : 0.45f) * std::sin(ph);
        pose.knee[i] = (pushing ? 0.7f : 0.9f) * std::max(0.0f, std::cos(ph));
        pose.arm[i] = -0.5f * std::sin(ph);
    }
    pose.bob = 0.012f * std::cos(2 * phi);
    pose.lean = pushing ? 0.32f : 0.05f;
    return pose;
}

// Front or back walk over half a stride: the left foot lifts and comes down
// while the opposite hand swings; the other half is the mirror image.
static Pose frontWalk(View view, float s) {
    Pose pose;
    pose.view = view;
    const float swing = std::sin(kPi * s);
    pose.lift[0] = 0.05f * swing;
    pose.swing[1] = swing;
    pose.swing[0] = -0.5f * swing;
    pose.bob = -0.012f * swing;
    pose.sway = 0.01f * swing;
    return pose;
}

std::vector<ArtPicture> drawPlayer() {
    std::vector<ArtPicture> out;
    Pose standFront;
    out.push_back(render(standFront));
    Pose standSide;
    standSide.view = View::Side;
    standSide.arm[0] = 0.1f;
    standSide.arm[1] = -0.1f;
    out.push_back(render(standSide));
    Pose standBack;
    standBack.view = View::Back;
    out.push_back(render(standBack));
    Pose push = sideWalk(0, true);
    push.thigh[0] = 0.25f;
    push.thigh[1] = -0.5f;
    push.knee[0] = 0.3f;
    push.knee[1] = 0;
    out.push_back(render(push));
    for (int n = 0; n < 24; ++n) {
        out.push_back(render(sideWalk(2 * kPi * n / 24, false)));
    }
    for (int n = 0; n < 24; ++n) {
        out.push_back(render(sideWalk(2 * kPi * n / 24, true)));
    }
    for (int n = 0; n < 12; ++n) {
        out.push_back(render(frontWalk(View::Front, n / 12.0f)));
    }
    for (int n = 0; n < 12; ++n) {
        out.push_back(render(frontWalk(View::Back, n / 12.0f)));
    }
    for (int kind = 0; kind < 3; ++kind) {
        for (int n = 0; n < 6; ++n) {
            Pose pose;
            const float x = n / 5.0f;
            if (kind != 1) {
                pose.blink = x;
            }
            if (kind != 0) {
                pose.tap = x;
            }
            out.push_back(render(pose));
        }
    }
    return out;
}
