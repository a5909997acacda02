#pragma once

#include "ui/OrbControl.h"

#include <string>

// A scrolling list of rows with a selection, keyboard navigation, type-ahead search
// and a draggable scroll-bar thumb. Subclasses say how an item and the scroll bar
// look and how typed text finds an item. The control callback is the activation
// (double-click); a separate callback reports selection changes.
class OrbListControl : public OrbControl {
public:
    // Typed keys further apart than this start a new search.
    static constexpr double kTypeAheadPause = 1.0;

    OrbListControl(OrbControl* parent, const OrbRect& rect, int visibleRows, float scrollBarWidth);

    OrbRect bounds() const override { return rect_; }
    void moveBy(OrbPoint offset) override;
    void reset() override;
    bool isCapturing() const override { return dragging_; }
    void clearHighlight() override;
    void draw(const OrbColor& tint) override;
    bool keyEvent(int key, int action, int modifiers) override;
    bool mouseButton(int button, bool down, OrbPoint point, int modifiers) override;
    bool mouseMove(OrbPoint point, int modifiers) override;
    // Time for the type-ahead pause comes from here, not from a clock.
    void tick(double elapsed) override;

    virtual int findItemByPrefix(const std::string& text) const;
    virtual void drawItem(int index, const OrbRect& row, const OrbColor& tint) = 0;
    virtual void drawScrollBar(const OrbRect& track, const OrbRect& thumb,
                               const OrbColor& tint) = 0;

    int count() const { return count_; }
    void setCount(int count);
    int selected() const { return selected_; }
    void setSelected(int index);
    int firstVisible() const { return firstVisible_; }
    void setFirstVisible(int row);
    int visibleRows() const { return visibleRows_; }
    float scrollBarWidth() const { return scrollBarWidth_; }
    const std::string& typedText() const { return typed_; }
    bool isDragging() const { return dragging_; }
    void setSelectionCallback(std::unique_ptr<OrbCallback> callback) {
        selectionCallback_ = std::move(callback);
    }

    float rowHeight() const;
    // The rectangle of the n-th visible row (0 at the top) in the item column.
    OrbRect rowRect(int visibleRow) const;
    bool hasScrollBar() const { return count_ > visibleRows_; }
    OrbRect trackRect() const;
    // The thumb; an empty rectangle when there is no scroll bar.
    OrbRect thumbRect() const;

private:
    void keepSelectionVisible();
    void clampFirstVisible();
    // Makes an index the selection and reports it when it changed.
    void select(int index);
    bool typeAhead(int key);

    OrbRect rect_;
    int count_ = 0;
    int visibleRows_;
    int firstVisible_ = 0;
    float scrollBarWidth_;
    int selected_ = -1;
    std::unique_ptr<OrbCallback> selectionCallback_;
    std::string typed_;
    double lastTypedTime_ = 0.0;
    double now_ = 0.0;
    bool dragging_ = false;
    float grabOffset_ = 0.0f;
};
