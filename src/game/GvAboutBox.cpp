#include "game/GvAboutBox.h"

#include "game/GvResources.h"
#include "game/GvView.h"
#include "graphics/OrbFont.h"
#include "graphics/OrbViewImpl.h"

#include <cstdio>
#include <cstdlib>

namespace {

const char* const kDedications[] = {
    "For everyone who ever dug one tile too far.",
    "For the boulders, which only follow the rules.",
    "Thank you for playing.",
};
constexpr int kDedicationCount = 3;
constexpr double kFadeSeconds = 1.0;
constexpr double kHoldSeconds = 3.0;

} // namespace

GvAboutBox::GvAboutBox(GvView& view) : GvMenuPanel(view, "About") {
    const OrbColor white{1.0f, 1.0f, 1.0f, 1.0f};
    addText("Gravik Version 3.1.0", 0.0f, 0.0f, 5.0f, OrbFont::kAlignLeftBottom, white);
    addText("(c) 2026 Deepdelve", 0.0f, -7.0f, 5.0f, OrbFont::kAlignLeftBottom, white);
    addText("Web: ", 0.0f, -14.0f, 5.0f, OrbFont::kAlignLeftBottom, white);
    const float webX = textWidth("Mail: ", 5.0f);
    addButton(kWebLabel, {webX, -15.0f, textWidth(kWebLabel, 5.0f) + 4.0f, 7.0f},
              [this] { openLink(kWebAddress); });
    addText("Mail: ", 0.0f, -21.0f, 5.0f, OrbFont::kAlignLeftBottom, white);
    addButton(kMailAddress, {webX, -22.0f, textWidth(kMailAddress, 5.0f) + 4.0f, 7.0f},
              [this] { openLink(mailLink(kMailAddress, "Gravik 3.1.0 (Linux)", "")); });
    addText("", 50.0f, -28.0f, 3.0f, OrbFont::kAlignCentre | OrbFont::kAlignBottom,
            GvResources::makeColour(0.3f, 0.0f, 0.9f, 1.0f));
    const int done =
        addButton("DONE", {30.0f, -38.0f, 40.0f, 7.0f}, [this] { view_.backScreen(); });
    finishPanel(done);
}

void GvAboutBox::reset() {
    GvMenuPanel::reset();
    dedication_ = 0;
    dedicationTime_ = 0.0;
    showDedication();
}

void GvAboutBox::showDedication() {
    // The dedication is the one empty text added by the constructor.
    for (Item& text : items_) {
        if (text.kind == Text && text.size == 3.0f) {
            const double cycle = 2.0 * kFadeSeconds + kHoldSeconds;
            const double t = dedicationTime_;
            float alpha = 0.0f;
            if (dedication_ >= 0 && dedication_ < kDedicationCount) {
                if (t < kFadeSeconds) {
                    alpha = static_cast<float>(t / kFadeSeconds);
                } else if (t < kFadeSeconds + kHoldSeconds) {
                    alpha = 1.0f;
                } else if (t < cycle) {
                    alpha = static_cast<float>((cycle - t) / kFadeSeconds);
                }
                text.text = kDedications[dedication_];
            } else {
                text.text.clear();
            }
            text.colour.a = alpha;
        }
    }
}

void GvAboutBox::advance(double seconds) {
    if (dedication_ < 0 || dedication_ >= kDedicationCount) {
        return;
    }
    dedicationTime_ += seconds;
    const double cycle = 2.0 * kFadeSeconds + kHoldSeconds;
    if (dedicationTime_ >= cycle) {
        dedicationTime_ -= cycle;
        ++dedication_;
    }
    showDedication();
}

void GvAboutBox::onEscape() {
    view_.backScreen();
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
