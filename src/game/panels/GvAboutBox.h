#pragma once
#include "ui/GvPanel.h"

#include <string>

class GvView;

// Who made the game and how to reach them, with a few dedication lines that fade in
// and out once each while the box is shown.
class GvAboutBox : public GvPanel {
public:
    static constexpr const char* kWebAddress = "https://gravik.invalid/";
    static constexpr const char* kWebLabel = "gravik.invalid";
    static constexpr const char* kMailAddress = "caves@gravik.invalid";
    static constexpr const char* kMailSubject = "Gravik 3.1.0 (Linux)";

    explicit GvAboutBox(GvView& view);
    void onEscape() override;

    // "mailto:" + address, then the encoded subject and body as query fields.
    static std::string mailLink(const std::string& address, const std::string& subject,
                                const std::string& body);
    // Letters and digits stay; a line feed becomes %0D%0A; other control characters
    // and bytes from 128 up are dropped; everything else becomes %XX.
    static std::string encodeMailText(const std::string& text);

private:
    void openWeb();
    void openMail();
    void openLink(const std::string& link);

    GvView& view_;
};
