#include "game/panels/GvAboutBox.h"

#include "game/GvView.h"
#include "game/drawing/GvResources.h"
#include "graphics/OrbFont.h"
#include "graphics/OrbViewImpl.h"
#include "ui/GvDialogPushButton.h"
#include "ui/GvLabel.h"
#include "ui/GvLinkButton.h"
#include "ui/GvUiColours.h"
#include "ui/OrbAnimatedTextControl.h"
#include "ui/OrbObjectCallback.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr float kLinePitch = 7.0f;
constexpr float kLinkSize = 5.0f;
constexpr float kDedicationSize = 3.0f;
constexpr double kFadeSeconds = 1.0;
constexpr double kHoldSeconds = 3.0;

} // namespace

GvAboutBox::GvAboutBox(GvView& view) : GvPanel(nullptr, &view.resources().ui()), view_(view) {
    const int left = OrbFont::kAlignLeftBottom;
    addChild(std::make_unique<GvLabel>(this, resources(), "Gravik Version 3.1.0",
                                       OrbPoint{0.0f, 0.0f}, left));
    addChild(std::make_unique<GvLabel>(this, resources(), "(c) 2026 Deepdelve",
                                       OrbPoint{0.0f, -kLinePitch}, left));
    const float column = textWidth("Mail: ", GvLabel::kSize);
    float y = -2.0f * kLinePitch;
    addChild(std::make_unique<GvLabel>(this, resources(), "Web: ", OrbPoint{0.0f, y}, left));
    OrbControl* web = addChild(
        std::make_unique<GvLinkButton>(this, resources(), OrbPoint{column, y}, left, kWebLabel,
                                       kLinkSize, objectCallback(this, &GvAboutBox::openWeb)));
    y -= kLinePitch;
    addChild(std::make_unique<GvLabel>(this, resources(), "Mail: ", OrbPoint{0.0f, y}, left));
    OrbControl* mail = addChild(
        std::make_unique<GvLinkButton>(this, resources(), OrbPoint{column, y}, left, kMailAddress,
                                       kLinkSize, objectCallback(this, &GvAboutBox::openMail)));
    const float width = childrenBounds().width;

    y -= kLinePitch;
    std::vector<std::string> dedication = {
        "For everyone who ever dug one tile too far.",
        "For the boulders, which only follow the rules.",
        "Thank you for playing.",
    };
    addChild(std::make_unique<OrbAnimatedTextControl>(
        this, resources()->font, std::move(dedication), OrbPoint{width / 2.0f, y}, kDedicationSize,
        GvUiColours::make(0.3f, 0.0f, 0.9f), OrbFont::kAlignCentre | OrbFont::kAlignBottom,
        kFadeSeconds, kHoldSeconds, false, GvUiResources::kFontFlags));
    y -= kLinePitch;
    OrbControl* done = addChild(std::make_unique<GvDialogPushButton>(
        this, resources(), OrbRect{width / 2.0f - 20.0f, y - 3.0f, 40.0f, 7.0f}, "DONE",
        objectCallback(&view, &GvView::backScreen)));
    done->setDefaultFocus(true);
    linkVertical(web, mail);
    linkVertical(mail, done);
    finishPanel("About");
}

void GvAboutBox::onEscape() {
    view_.backScreen();
}

void GvAboutBox::openWeb() {
    openLink(kWebAddress);
}

void GvAboutBox::openMail() {
    openLink(mailLink(kMailAddress, kMailSubject, ""));
}

void GvAboutBox::openLink(const std::string& link) {
    if (view_.isFullScreen()) {
        view_.toggleFullScreen();
    }
    // Where the desktop cannot open the address, the player is shown it to copy.
    if (!view_.impl().openLink(link)) {
        view_.impl().messageBox(OrbMessageWarning, "Gravik", link);
    }
}

std::string GvAboutBox::encodeMailText(const std::string& text) {
    std::string out;
    for (const char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if ((u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z')) {
            out += c;
        } else if (u == '\n') {
            out += "%0D%0A";
        } else if (u < 32 || u == 127 || u >= 128) {
            continue;
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", u);
            out += hex;
        }
    }
    return out;
}

std::string GvAboutBox::mailLink(const std::string& address, const std::string& subject,
                                 const std::string& body) {
    std::string link = "mailto:" + address;
    if (!subject.empty()) {
        link += "?subject=" + encodeMailText(subject);
    }
    if (!body.empty()) {
        link += (subject.empty() ? "?body=" : "&body=") + encodeMailText(body);
    }
    return link;
}
