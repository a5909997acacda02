#pragma once

#include "graphics/OrbColor.h"

// The colours of the game's controls. Each is given as a base value whose red,
// green and blue are raised to the power 2.2 / 2.4 once, when the table is made,
// so that the values written here look right on screen; alpha stays as given.
class GvUiColours {
public:
    static constexpr float kExponent = 2.2f / 2.4f;

    static OrbColor make(float r, float g, float b, float a = 1.0f);
    // The one table, made on first use.
    static const GvUiColours& get();

    OrbColor focusedText;
    OrbColor menuPressed;
    OrbColor menuNormal;
    OrbColor pushPressed;
    OrbColor pushHighlighted;
    OrbColor pushNormal;
    OrbColor pushDisabledTint;
    OrbColor linkPressed;
    OrbColor linkHot;
    OrbColor linkNormal;
    OrbColor label;
    OrbColor field;
    OrbColor spinValueHighlighted;
    OrbColor spinValueNormal;
    OrbColor sliderTrack;
    OrbColor sliderFillDragging;
    OrbColor sliderFillNormal;
    OrbColor listItem;
    OrbColor listItemSelected;
    OrbColor listBackground;
    OrbColor listSelection;
    OrbColor listSelectionFocused;
    OrbColor scrollThumb;
    OrbColor frameWhite;
    OrbColor panelBody;
    OrbColor panelBand;
    OrbColor panelEdge;

private:
    GvUiColours();
};
