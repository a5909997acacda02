#include "ui/GvList.h"

#include "graphics/OrbFont.h"
#include "graphics/OrbTexture.h"
#include "ui/GvUiColours.h"

#include <cctype>

GvList::GvList(OrbControl* parent, const GvUiResources* resources, const OrbRect& rect,
               int visibleRows, float scrollBarWidth)
    : OrbListControl(parent, rect, visibleRows, scrollBarWidth), resources_(resources) {}

void GvList::setItems(std::vector<std::string> items) {
    items_ = std::move(items);
    setCount(static_cast<int>(items_.size()));
}

int GvList::findItemByPrefix(const std::string& text) const {
    int best = -1;
    std::size_t bestLength = 0;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const std::string& item = items_[i];
        std::size_t n = 0;
        while (n < text.size() && n < item.size() &&
               std::tolower(static_cast<unsigned char>(text[n])) ==
                   std::tolower(static_cast<unsigned char>(item[n]))) {
            ++n;
        }
        if (n > bestLength) {
            bestLength = n;
            best = static_cast<int>(i);
        }
    }
    return best;
}

OrbColor GvList::itemColour(int index) const {
    const GvUiColours& colours = GvUiColours::get();
    return index == selected() && isFocused() ? colours.listItemSelected : colours.listItem;
}

void GvList::draw(const OrbColor& tint) {
    const GvUiColours& colours = GvUiColours::get();
    if (resources_ != nullptr && resources_->squareEdge != nullptr) {
        resources_->squareEdge->addQuad(bounds(), tinted(colours.listBackground, tint));
        resources_->squareEdge->flush();
    }
    const int row = selected() - firstVisible();
    if (resources_ != nullptr && resources_->solid != nullptr && selected() >= 0 && row >= 0 &&
        row < visibleRows()) {
        const OrbColor quad = isFocused() ? colours.listSelectionFocused : colours.listSelection;
        resources_->solid->addQuad(rowRect(row), OrbRect{0.5f, 0.5f, 0.0f, 0.0f},
                                   tinted(quad, tint));
        resources_->solid->flush();
    }
    OrbListControl::draw(tint);
}

void GvList::drawItem(int index, const OrbRect& row, const OrbColor& tint) {
    if (resources_ == nullptr || resources_->font == nullptr || index < 0 ||
        index >= static_cast<int>(items_.size())) {
        return;
    }
    resources_->font->drawTextNow(OrbPoint{row.x + kTextIndent, row.y + row.height / 2.0f},
                                  items_[static_cast<std::size_t>(index)], kTextSize,
                                  tinted(itemColour(index), tint), GvUiResources::kFontFlags,
                                  OrbFont::kAlignLeft | OrbFont::kAlignMiddle);
}

void GvList::drawScrollBar(const OrbRect&, const OrbRect& thumb, const OrbColor& tint) {
    OrbTexture* texture = resources_ != nullptr ? resources_->scroller : nullptr;
    if (texture == nullptr || thumb.height <= 0.0f) {
        return;
    }
    const OrbRect inner{thumb.x + kThumbInset, thumb.y + kThumbInset,
                        thumb.width - 2.0f * kThumbInset, thumb.height - 2.0f * kThumbInset};
    if (inner.width <= 0.0f || inner.height <= 0.0f) {
        return;
    }
    // Caps half as high as the thumb is wide, the disc's halves; the middle
    // stretches the disc's centre row.
    const float cap = std::min(inner.width / 2.0f, inner.height / 2.0f);
    const float middle = inner.height - 2.0f * cap;
    const OrbColor colour = tinted(GvUiColours::get().scrollThumb, tint);
    texture->addQuad(OrbRect{inner.x, inner.y, inner.width, cap}, OrbRect{0.0f, 0.0f, 1.0f, 0.5f},
                     colour);
    if (middle > 0.0f) {
        texture->addQuad(OrbRect{inner.x, inner.y + cap, inner.width, middle},
                         OrbRect{0.0f, 0.5f, 1.0f, 0.0f}, colour);
    }
    texture->addQuad(OrbRect{inner.x, inner.y + cap + middle, inner.width, cap},
                     OrbRect{0.0f, 0.5f, 1.0f, 0.5f}, colour);
    texture->flush();
}
