#include "ui/GvUiColours.h"

#include <algorithm>
#include <cmath>

OrbColor GvUiColours::make(float r, float g, float b, float a) {
    auto convert = [](float c) { return std::pow(std::max(c, 0.0f), kExponent); };
    return OrbColor{convert(r), convert(g), convert(b), a};
}

const GvUiColours& GvUiColours::get() {
    static const GvUiColours colours;
    return colours;
}

GvUiColours::GvUiColours()
    : focusedText(make(1.0f, 1.0f, 1.0f)), menuPressed(make(0.5f, 0.5f, 0.6f)),
      menuNormal(make(0.0f, 0.0f, 1.0f)), pushPressed(make(0.5f, 0.5f, 0.6f)),
      pushHighlighted(make(0.8f, 0.9f, 1.0f)), pushNormal(make(0.4f, 0.4f, 0.4f)),
      pushDisabledTint(make(0.7f, 0.7f, 0.7f, 0.25f)), linkPressed(make(0.0f, 0.3f, 0.6f)),
      linkHot(make(0.2f, 0.7f, 1.0f)), linkNormal(make(0.0f, 0.4f, 0.8f)),
      label(make(0.0f, 0.8f, 0.0f)), field(make(0.0f, 0.0f, 1.0f)),
      spinValueHighlighted(make(0.8f, 0.9f, 1.0f)), spinValueNormal(make(0.0f, 0.0f, 1.0f)),
      sliderTrack(make(0.33f, 0.33f, 0.33f)), sliderFillDragging(make(1.0f, 1.0f, 0.0f)),
      sliderFillNormal(make(0.6f, 0.6f, 0.6f)), listItem(make(0.4f, 0.4f, 0.4f)),
      listItemSelected(make(1.0f, 1.0f, 1.0f)),
      // Our own choices for the pieces without a fixed colour.
      listBackground(make(0.08f, 0.08f, 0.14f, 0.9f)), listSelection(make(0.2f, 0.2f, 0.3f)),
      listSelectionFocused(make(0.1f, 0.2f, 0.6f)), scrollThumb(make(0.7f, 0.7f, 0.8f)),
      frameWhite(make(1.0f, 1.0f, 1.0f)), panelBody(make(0.04f, 0.04f, 0.16f, 0.9f)),
      panelBand(make(0.12f, 0.14f, 0.42f, 0.95f)), panelEdge(make(0.55f, 0.65f, 1.0f)) {}
