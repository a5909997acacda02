#pragma once
#include "graphics/OrbColor.h"
#include "graphics/OrbRect.h"
#include "platform/OrbUncopyable.h"
#include <functional>
#include <string>
#include <vector>

class GvResources;
class GvView;
class OrbFont;

// The base of every menu and dialog: a titled, framed panel of texts, buttons and
// spinners laid out in canvas units of the menu projection. It keeps the keyboard
// focus among its buttons and spinners (arrows and Tab move it, Return and Space
// press the focused button), hit-tests mouse clicks, and draws itself scaled about
// the canvas origin and shifted sideways so that the controller can slide and zoom
// it during screen transitions.
class GvMenuPanel : private OrbUncopyable {
public:
    enum Kind { Text, Button, Spinner, Image };
    struct Item {
        Kind kind = Text;
        std::string text;
        // Texts: the anchor point in rect.x/rect.y; others: the whole rectangle.
        OrbRect rect;
        float size = 5.0f;
        OrbColor colour{1.0f, 1.0f, 1.0f, 1.0f};
        int alignment = 0;
        bool enabled = true;
        bool visible = true;
        // Buttons: what pressing does. Spinners: stepping by -1 or +1.
        std::function<void()> action;
        std::function<void(int)> step;
    };

    GvMenuPanel(GvView& view, std::string title, bool framed = true);
    virtual ~GvMenuPanel();

    // Called each time the panel is shown: focus goes to the default control.
    virtual void reset();
    virtual bool keyEvent(int key, int state, int modifiers);
    // Position in canvas units of the menu projection.
    virtual bool mouseButton(int button, int action, float x, float y);
    virtual bool mouseMove(float x, float y);
    virtual void advance(double seconds);
    virtual void focusLost() {}
    // Return and Escape that no control took.
    virtual void onReturn() {}
    virtual void onEscape() {}
    // Lets the panel refresh what it shows just before drawing.
    virtual void beforeDraw() {}
    // A GL context came or goes (panels with pictures of their own).
    virtual void graphicsCreated() {}
    virtual void graphicsReleased() {}

    void draw(GvResources& resources, float scale, float offsetX, const OrbColor& tint);

    // The frame's rectangle (the whole panel), after finishing.
    OrbRect bounds() const { return bounds_; }
    const std::string& title() const { return title_; }

    int itemCount() const { return static_cast<int>(items_.size()); }
    Item& item(int index) { return items_[index]; }
    const Item& item(int index) const { return items_[index]; }
    // The first item showing exactly this text, or -1.
    int findItem(const std::string& text) const;
    int focus() const { return focus_; }
    void setFocus(int index);
    // Presses a button as a click would; false when it is hidden or disabled.
    bool press(int index);

protected:
    int addText(const std::string& text, float x, float y, float size, int alignment,
                const OrbColor& colour);
    int addButton(const std::string& text, const OrbRect& rect, std::function<void()> action,
                  float size = 5.0f);
    int addSpinner(const OrbRect& rect, std::function<void(int)> step);
    int addImage(const OrbRect& rect);
    // A menu row: a button 50 wide and 7 high centred on x 0 with its top at y.
    int addRow(const std::string& text, float y, std::function<void()> action);
    // Title, centring and frame; the default-focus control gets the focus.
    void finishPanel(int defaultFocus);
    // The width of a text at a size in canvas units.
    float textWidth(const std::string& text, float size) const;
    // Draws whatever a derived panel shows inside an image item.
    virtual void drawImage(GvResources&, int, const OrbRect&, const OrbColor&) {}
    bool focusable(int index) const;
    void moveFocus(int direction);

    GvView& view_;
    std::string title_;
    bool framed_;
    std::vector<Item> items_;
    int defaultFocus_ = -1;
    int focus_ = -1;
    int hover_ = -1;
    OrbRect bounds_;
    // Texts from packs and files go through the font's filter before they are shown.
    const OrbFont* font_ = nullptr;
};
