#include "graphics/OrbViewImplSingle.h"

#include "graphics/OrbClock.h"
#include "graphics/OrbKeyCode.h"
#include "graphics/OrbView.h"

#include <GL/gl.h>
#include <SDL.h>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <thread>

// The SDL handles, kept out of the header so that no SDL type reaches the layers
// that include it.
struct OrbViewImplSingle::Platform {
    bool videoReady = false;
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    bool controllersReady = false;
    // Open controllers by their joystick instance id.
    std::map<SDL_JoystickID, SDL_GameController*> controllers;
};

OrbViewImplSingle::OrbViewImplSingle(std::string title, int clientWidth, int clientHeight,
                                     int defaultShowMode)
    : title_(std::move(title)), clientWidth_(clientWidth), clientHeight_(clientHeight),
      defaultShowMode_(defaultShowMode), platform_(std::make_unique<Platform>()) {}

OrbViewImplSingle::~OrbViewImplSingle() {
    destroyWindow();
    closeControllers();
    if (platform_->videoReady) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
}

namespace {

// SDL falls back to drivers that draw nowhere when no display is reachable; a game
// window there would run unseen and could never be closed, so they count as none.
// A display server busy closing an earlier connection now and then refuses a new
// one, more often under load, so a refusal is retried, waiting longer each time
// (about two seconds in all), before the display counts as missing.
bool initVisibleVideo() {
    Uint32 delay = 20;
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (attempt > 0) {
            SDL_Delay(delay);
            delay = std::min<Uint32>(delay * 2, 400);
        }
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
            continue;
        }
        const char* driver = SDL_GetCurrentVideoDriver();
        const std::string name = driver != nullptr ? driver : "";
        if (!name.empty() && name != "offscreen" && name != "dummy") {
            return true;
        }
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    return false;
}

} // namespace

bool OrbViewImplSingle::displayAvailable() {
    if (!initVisibleVideo()) {
        return false;
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return true;
}

void OrbViewImplSingle::setWindowIcon(const unsigned char* rgba, int width, int height) {
    if (rgba == nullptr || width <= 0 || height <= 0) {
        return;
    }
    // SDL takes rows top first.
    const std::size_t row = static_cast<std::size_t>(width) * 4;
    icon_.resize(row * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        std::memcpy(icon_.data() + static_cast<std::size_t>(height - 1 - y) * row,
                    rgba + static_cast<std::size_t>(y) * row, row);
    }
    iconWidth_ = width;
    iconHeight_ = height;
    applyWindowIcon();
}

void OrbViewImplSingle::applyWindowIcon() {
    if (platform_->window == nullptr || icon_.empty()) {
        return;
    }
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        icon_.data(), iconWidth_, iconHeight_, 32, iconWidth_ * 4, SDL_PIXELFORMAT_RGBA32);
    if (surface != nullptr) {
        SDL_SetWindowIcon(platform_->window, surface);
        SDL_FreeSurface(surface);
    }
}

bool OrbViewImplSingle::isOpen() const {
    return platform_->window != nullptr;
}

unsigned OrbViewImplSingle::windowId() const {
    return platform_->window != nullptr ? SDL_GetWindowID(platform_->window) : 0;
}

void OrbViewImplSingle::makeCurrent() const {
    if (platform_->window != nullptr && platform_->context != nullptr) {
        SDL_GL_MakeCurrent(platform_->window, platform_->context);
    }
}

OrbMonitorLayout OrbViewImplSingle::monitors() const {
    std::vector<OrbWindowRect> bounds;
    std::vector<OrbWindowRect> workAreas;
    const int count = platform_->videoReady ? SDL_GetNumVideoDisplays() : 0;
    for (int i = 0; i < count; ++i) {
        SDL_Rect full;
        SDL_Rect usable;
        if (SDL_GetDisplayBounds(i, &full) != 0) {
            continue;
        }
        if (SDL_GetDisplayUsableBounds(i, &usable) != 0) {
            usable = full;
        }
        bounds.push_back(OrbWindowRect{full.x, full.y, full.w, full.h});
        workAreas.push_back(OrbWindowRect{usable.x, usable.y, usable.w, usable.h});
    }
    return OrbMonitorLayout(std::move(bounds), std::move(workAreas), clientWidth_, clientHeight_);
}

bool OrbViewImplSingle::open() {
    if (isOpen()) {
        return true;
    }
    if (!platform_->videoReady) {
        if (!initVisibleVideo()) {
            return false;
        }
        platform_->videoReady = true;
    }
    openControllers();

    const OrbMonitorLayout layout = monitors();
    OrbWindowRect rect = layout.defaultRect(clientWidth_, clientHeight_);
    int mode = defaultShowMode_;
    OrbWindowRect stored;
    if (view_ != nullptr && view_->initialPlacement(mode, stored)) {
        rect = layout.initialRect(mode, stored, rect);
    } else {
        mode = defaultShowMode_;
    }

    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    const Uint32 flags =
        SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI;
    // A display without alpha visuals still gets a window: the game never reads the
    // window's alpha.
    for (const int alpha : {8, 0}) {
        SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, alpha);
        platform_->window =
            SDL_CreateWindow(title_.c_str(), rect.left, rect.top, rect.width, rect.height, flags);
        if (platform_->window == nullptr) {
            continue;
        }
        platform_->context = SDL_GL_CreateContext(platform_->window);
        if (platform_->context != nullptr &&
            SDL_GL_MakeCurrent(platform_->window, platform_->context) == 0) {
            break;
        }
        if (platform_->context != nullptr) {
            SDL_GL_DeleteContext(platform_->context);
            platform_->context = nullptr;
        }
        SDL_DestroyWindow(platform_->window);
        platform_->window = nullptr;
    }
    if (platform_->window == nullptr) {
        return false;
    }

    applyWindowIcon();
    SDL_GL_SetSwapInterval(1);
    swapControl_ = SDL_GL_GetSwapInterval() != 0;
    SDL_SetWindowMinimumSize(platform_->window, minimumClientWidth_, minimumClientHeight_);
    if (mode == OrbWindowMaximized) {
        SDL_MaximizeWindow(platform_->window);
    }
    SDL_ShowWindow(platform_->window);
    setCursorVisible(cursorVisible_);

    makeCurrent();
    if (view_ != nullptr) {
        view_->attachGraphics(drawableWidth(), drawableHeight());
        if (SDL_GetWindowFlags(platform_->window) & SDL_WINDOW_INPUT_FOCUS) {
            view_->focusChange(true);
        }
    }
    if (mode == OrbWindowFullScreen && !setFullScreen(true)) {
        SDL_RestoreWindow(platform_->window);
    }
    return true;
}

bool OrbViewImplSingle::run() {
    if (!open()) {
        return false;
    }
    // Linux does not let an ordinary process raise its priority, so the loop runs at
    // the normal one.
    OrbClock::now();
    while (isOpen()) {
        loopPass();
    }
    if (view_ != nullptr) {
        view_->saveOnce();
    }
    return true;
}

void OrbViewImplSingle::loopPass() {
    SDL_Event event;
    if (SDL_PollEvent(&event)) {
        handleEvent(&event);
        return;
    }
    paintNow();
    const double frameTime = frameFilter_.next(OrbClock::now());
    if (view_ != nullptr && isOpen()) {
        view_->tick(frameTime);
    }
    if (!swapControl_) {
        std::this_thread::yield();
    }
}

bool OrbViewImplSingle::processEvents() {
    SDL_Event event;
    while (isOpen() && SDL_PollEvent(&event)) {
        handleEvent(&event);
    }
    if (repaintWanted_) {
        paintNow();
    }
    return isOpen();
}

void OrbViewImplSingle::destroyWindow() {
    if (platform_->window == nullptr) {
        return;
    }
    if (view_ != nullptr) {
        view_->saveOnce();
        if (view_->hasGraphics()) {
            makeCurrent();
            view_->detachGraphics();
        }
    }
    SDL_GL_MakeCurrent(platform_->window, nullptr);
    SDL_GL_DeleteContext(platform_->context);
    platform_->context = nullptr;
    SDL_DestroyWindow(platform_->window);
    platform_->window = nullptr;
    fullScreen_ = false;
}

void OrbViewImplSingle::paintNow() {
    repaintWanted_ = false;
    if (!isOpen() || view_ == nullptr || !view_->hasGraphics()) {
        return;
    }
    makeCurrent();
    view_->paint(OrbClock::now());
    glFlush();
    SDL_GL_SwapWindow(platform_->window);
}

void OrbViewImplSingle::invalidate() {
    repaintWanted_ = true;
}

int OrbViewImplSingle::drawableWidth() const {
    int w = 0;
    int h = 0;
    if (platform_->window != nullptr) {
        SDL_GL_GetDrawableSize(platform_->window, &w, &h);
    }
    return w;
}

int OrbViewImplSingle::drawableHeight() const {
    int w = 0;
    int h = 0;
    if (platform_->window != nullptr) {
        SDL_GL_GetDrawableSize(platform_->window, &w, &h);
    }
    return h;
}

int OrbViewImplSingle::translateKey(int sdlKey) {
    if ((sdlKey >= SDLK_a && sdlKey <= SDLK_z) || (sdlKey >= SDLK_0 && sdlKey <= SDLK_9)) {
        return sdlKey;
    }
    switch (sdlKey) {
    case SDLK_TAB:
        return OrbKeyTab;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return OrbKeyReturn;
    case SDLK_ESCAPE:
        return OrbKeyEscape;
    case SDLK_SPACE:
        return OrbKeySpace;
    case SDLK_COMMA:
        return OrbKeyComma;
    case SDLK_PERIOD:
        return OrbKeyPeriod;
    case SDLK_LEFTBRACKET:
        return OrbKeyLeftBracket;
    case SDLK_RIGHTBRACKET:
        return OrbKeyRightBracket;
    case SDLK_UP:
        return OrbKeyUp;
    case SDLK_DOWN:
        return OrbKeyDown;
    case SDLK_LEFT:
        return OrbKeyLeft;
    case SDLK_RIGHT:
        return OrbKeyRight;
    case SDLK_PAGEUP:
        return OrbKeyPageUp;
    case SDLK_PAGEDOWN:
        return OrbKeyPageDown;
    case SDLK_HOME:
        return OrbKeyHome;
    case SDLK_END:
        return OrbKeyEnd;
    default:
        return -1;
    }
}

int OrbViewImplSingle::modifierMask(int sdlModifiers) {
    int mask = 0;
    if (sdlModifiers & KMOD_SHIFT) {
        mask |= OrbModShift;
    }
    if (sdlModifiers & KMOD_CAPS) {
        mask |= OrbModCapsLock;
    }
    if (sdlModifiers & KMOD_CTRL) {
        mask |= OrbModControl;
    }
    if (sdlModifiers & KMOD_ALT) {
        mask |= OrbModAlt;
    }
    if (sdlModifiers & KMOD_GUI) {
        mask |= OrbModWindows;
    }
    return mask;
}

int OrbViewImplSingle::liveModifiers() const {
    return modifierMask(SDL_GetModState()) | gamepad_.modifiers();
}

void OrbViewImplSingle::handleEvent(const void* raw) {
    const SDL_Event& event = *static_cast<const SDL_Event*>(raw);
    if (event.type == SDL_QUIT) {
        destroyWindow();
        return;
    }
    if (view_ == nullptr || !isOpen()) {
        return;
    }
    switch (event.type) {
    case SDL_WINDOWEVENT:
        if (event.window.windowID != windowId()) {
            return;
        }
        switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
            destroyWindow();
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_RESIZED:
            makeCurrent();
            view_->sizeChanged(drawableWidth(), drawableHeight());
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            view_->focusChange(true);
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            view_->focusChange(false);
            break;
        case SDL_WINDOWEVENT_EXPOSED:
            paintNow();
            break;
        default:
            break;
        }
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        // Modifier changes arrive as key events of their own before the key itself,
        // so Alt alone only reports Alt.
        const int mask = modifierMask(event.key.keysym.mod) | gamepad_.modifiers();
        view_->modifiersChanged(mask);
        const int code = translateKey(event.key.keysym.sym);
        if (code >= 0) {
            const int state = event.type == SDL_KEYUP ? OrbKeyReleased
                              : event.key.repeat      ? OrbKeyRepeated
                                                      : OrbKeyPressed;
            view_->keyInput(code, state, mask);
        }
        break;
    }
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        // Mouse positions come in window points; the view counts drawable pixels.
        int windowWidth = 1;
        int windowHeight = 1;
        SDL_GetWindowSize(platform_->window, &windowWidth, &windowHeight);
        const int sx = event.type == SDL_MOUSEMOTION ? event.motion.x : event.button.x;
        const int sy = event.type == SDL_MOUSEMOTION ? event.motion.y : event.button.y;
        const int x = sx * drawableWidth() / std::max(windowWidth, 1);
        const int y = sy * drawableHeight() / std::max(windowHeight, 1);
        const int mods = modifierMask(SDL_GetModState()) & (OrbModShift | OrbModControl);
        if (event.type == SDL_MOUSEMOTION) {
            view_->mouseMoveInput(x, y, mods);
            break;
        }
        if (event.button.button != SDL_BUTTON_LEFT && event.button.button != SDL_BUTTON_RIGHT) {
            break;
        }
        const bool press = event.type == SDL_MOUSEBUTTONDOWN;
        int button = event.button.button == SDL_BUTTON_RIGHT ? OrbMouseRight : OrbMouseLeft;
        if (press && event.button.clicks >= 2) {
            button |= OrbMouseDoubleClick;
        }
        view_->mouseButtonInput(button, press ? OrbMousePress : OrbMouseRelease, x, y, mods);
        break;
    }
    case SDL_MOUSEWHEEL: {
        int windowWidth = 1;
        int windowHeight = 1;
        SDL_GetWindowSize(platform_->window, &windowWidth, &windowHeight);
        int sx = 0;
        int sy = 0;
        SDL_GetMouseState(&sx, &sy);
        const int steps =
            event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
        view_->mouseWheelInput(steps, sx * drawableWidth() / std::max(windowWidth, 1),
                               sy * drawableHeight() / std::max(windowHeight, 1),
                               modifierMask(SDL_GetModState()) & (OrbModShift | OrbModControl));
        break;
    }
    case SDL_CONTROLLERDEVICEADDED:
    case SDL_CONTROLLERDEVICEREMOVED:
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
    case SDL_CONTROLLERAXISMOTION:
        handleControllerEvent(raw);
        break;
    default:
        break;
    }
}

void OrbViewImplSingle::openControllers() {
    if (platform_->controllersReady) {
        return;
    }
    // Without controller support the keyboard still plays; controllers present now
    // announce themselves as added devices, like those plugged in later.
    platform_->controllersReady = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

void OrbViewImplSingle::closeControllers() {
    for (const auto& [id, controller] : platform_->controllers) {
        SDL_GameControllerClose(controller);
    }
    platform_->controllers.clear();
    if (platform_->controllersReady) {
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
        platform_->controllersReady = false;
    }
}

namespace {

// The controller buttons the game uses; the rest are ignored.
int mapperButton(int sdlButton) {
    switch (sdlButton) {
    case SDL_CONTROLLER_BUTTON_A:
        return OrbGamepadMapper::South;
    case SDL_CONTROLLER_BUTTON_B:
        return OrbGamepadMapper::East;
    case SDL_CONTROLLER_BUTTON_START:
        return OrbGamepadMapper::Start;
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        return OrbGamepadMapper::DpadUp;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        return OrbGamepadMapper::DpadDown;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        return OrbGamepadMapper::DpadLeft;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        return OrbGamepadMapper::DpadRight;
    default:
        return -1;
    }
}

} // namespace

void OrbViewImplSingle::handleControllerEvent(const void* raw) {
    const SDL_Event& event = *static_cast<const SDL_Event*>(raw);
    const int keyboard = modifierMask(SDL_GetModState());
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED: {
        // Here `which` is a device index; later events carry the instance id.
        SDL_GameController* controller = SDL_GameControllerOpen(event.cdevice.which);
        if (controller != nullptr) {
            const SDL_JoystickID id =
                SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
            if (!platform_->controllers.emplace(id, controller).second) {
                SDL_GameControllerClose(controller);
            }
        }
        break;
    }
    case SDL_CONTROLLERDEVICEREMOVED: {
        const auto found = platform_->controllers.find(event.cdevice.which);
        if (found != platform_->controllers.end()) {
            SDL_GameControllerClose(found->second);
            platform_->controllers.erase(found);
        }
        gamepad_.removed(*view_, event.cdevice.which, keyboard);
        break;
    }
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
        const int button = mapperButton(event.cbutton.button);
        if (button >= 0) {
            gamepad_.button(*view_, event.cbutton.which,
                            static_cast<OrbGamepadMapper::Button>(button),
                            event.type == SDL_CONTROLLERBUTTONDOWN, keyboard);
        }
        break;
    }
    case SDL_CONTROLLERAXISMOTION:
        if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) {
            gamepad_.axis(*view_, event.caxis.which, OrbGamepadMapper::StickX, event.caxis.value,
                          keyboard);
        } else if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) {
            gamepad_.axis(*view_, event.caxis.which, OrbGamepadMapper::StickY, event.caxis.value,
                          keyboard);
        }
        break;
    default:
        break;
    }
}

void OrbViewImplSingle::setCursorVisible(bool visible) {
    cursorVisible_ = visible;
    if (platform_->videoReady) {
        SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
    }
}

bool OrbViewImplSingle::isMaximized() const {
    return isOpen() && !fullScreen_ &&
           (SDL_GetWindowFlags(platform_->window) & SDL_WINDOW_MAXIMIZED) != 0;
}

OrbWindowRect OrbViewImplSingle::windowRectangle() const {
    if (!isOpen()) {
        return OrbWindowRect{};
    }
    OrbWindowRect r;
    SDL_GetWindowPosition(platform_->window, &r.left, &r.top);
    SDL_GetWindowSize(platform_->window, &r.width, &r.height);
    return r;
}

void OrbViewImplSingle::setMinimumClientSize(int width, int height) {
    OrbViewImpl::setMinimumClientSize(width, height);
    if (isOpen()) {
        SDL_SetWindowMinimumSize(platform_->window, minimumClientWidth_, minimumClientHeight_);
    }
}

bool OrbViewImplSingle::setFullScreen(bool on) {
    if (on == fullScreen_) {
        return true;
    }
    if (!isOpen()) {
        return false;
    }
    SDL_Window* window = platform_->window;
    const OrbMonitorLayout layout = monitors();
    const OrbWindowRect current = windowRectangle();
    if (on) {
        if (!isMaximized()) {
            savedRect_ = current;
            restoreSavedRect_ = true;
        }
        // A borderless window on top of everything, covering the whole monitor: the
        // same on every window manager, and on none at all.
        const OrbWindowRect monitor = layout.fullScreenRect(current);
        SDL_RestoreWindow(window);
        SDL_SetWindowBordered(window, SDL_FALSE);
        SDL_SetWindowAlwaysOnTop(window, SDL_TRUE);
        SDL_SetWindowSize(window, monitor.width, monitor.height);
        SDL_SetWindowPosition(window, monitor.left, monitor.top);
    } else {
        OrbWindowRect target = savedRect_;
        if (restoreSavedRect_) {
            restoreSavedRect_ = false;
        } else {
            target = layout.halfWorkAreaRect(current, minimumClientWidth_, minimumClientHeight_);
        }
        SDL_SetWindowAlwaysOnTop(window, SDL_FALSE);
        SDL_SetWindowBordered(window, SDL_TRUE);
        SDL_SetWindowSize(window, target.width, target.height);
        SDL_SetWindowPosition(window, target.left, target.top);
    }
    fullScreen_ = on;
    if (view_ != nullptr) {
        makeCurrent();
        view_->sizeChanged(drawableWidth(), drawableHeight());
    }
    paintNow();
    return true;
}

bool OrbViewImplSingle::openLink(const std::string& link) {
    // An empty address or one with control characters is never handed on: the
    // desktop's handler would see something other than what the player was shown.
    if (link.empty()) {
        return false;
    }
    for (const char c : link) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 32 || u == 127) {
            return false;
        }
    }
    return SDL_OpenURL(link.c_str()) == 0;
}

bool OrbViewImplSingle::messageBox(int kind, const std::string& caption, const std::string& text) {
    const bool question = kind != OrbMessageWarning && kind != OrbMessageError;
    if (view_ != nullptr) {
        view_->suspendAdvance();
    }
    SDL_MessageBoxButtonData yesNo[2] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, 1, "Yes"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 0, "No"},
    };
    SDL_MessageBoxButtonData ok[1] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, 1,
         "OK"},
    };
    SDL_MessageBoxData data{};
    data.flags = kind == OrbMessageError     ? SDL_MESSAGEBOX_ERROR
                 : kind == OrbMessageWarning ? SDL_MESSAGEBOX_WARNING
                                             : SDL_MESSAGEBOX_INFORMATION;
    data.window = platform_->window;
    data.title = caption.c_str();
    data.message = text.c_str();
    data.numbuttons = question ? 2 : 1;
    data.buttons = question ? yesNo : ok;
    // A question nobody could answer (no display, or the box closed without a
    // choice) counts as No: the cautious answer.
    int answer = 0;
    if (SDL_ShowMessageBox(&data, &answer) != 0) {
        // Without a display the message still reaches the user, on the terminal.
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        answer = 0;
    }
    if (view_ != nullptr) {
        view_->resumeAdvance();
    }
    invalidate();
    paintNow();
    return !question || answer == 1;
}
