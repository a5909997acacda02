#pragma once
#include "game/GvMenuPanel.h"

// The first screen: the logo over the backdrop and the five main entries.
class GvTitleMenu : public GvMenuPanel {
public:
    explicit GvTitleMenu(GvView& view);

protected:
    void drawImage(GvResources& resources, int index, const OrbRect& rect,
                   const OrbColor& tint) override;
};
