#pragma once
#include "game/GvMenuPanel.h"

#include <string>

// Who made the game and how to reach them, with a few dedication lines that fade in
// and out once each while the box is shown.
class GvAboutBox : public GvMenuPanel {
public:
    static constexpr const char* kWebAddress = "https://gravik.invalid/";
    static constexpr const char* kWebLabel = "gravik.invalid";
    static constexpr const char* kMailAddress = "caves@gravik.invalid";

    explicit GvAboutBox(GvView& view);
    void reset() override;
    void advance(double seconds) override;
    void onEscape() override;

    // "mailto:" + address, then the encoded subject and body as query fields.
    static std::string mailLink(const std::string& address, const std::string& subject,
                                const std::string& body);
    // Letters and digits stay; a line feed becomes %0D%0A; other control characters
    // and bytes from 128 up are dropped; everything else becomes %XX.
    static std::string encodeMailText(const std::string& text);

private:
    void openLink(const std::string& link);
    void showDedication();

    int dedication_ = -1;
    double dedicationTime_ = 0.0;
};
