#pragma once

// The platform-neutral input values every layer above the window sees. Key codes
// live in a space of 517: printable keys keep their character (digits, lower-case
// letters, Tab 9, Return 13, Escape 27, Space 32, ',' '.' '[' ']'), navigation keys
// sit at 256 and up, and the five modifier keys at 512 to 516. Other keys are never
// delivered.
enum OrbKeyCode : int {
    OrbKeyTab = 9,
    OrbKeyReturn = 13,
    OrbKeyEscape = 27,
    OrbKeySpace = 32,
    OrbKeyComma = 44,
    OrbKeyPeriod = 46,
    OrbKeyLeftBracket = 91,
    OrbKeyRightBracket = 93,
    OrbKeyUp = 256,
    OrbKeyDown = 257,
    OrbKeyLeft = 258,
    OrbKeyRight = 259,
    OrbKeyPageUp = 260,
    OrbKeyPageDown = 261,
    OrbKeyHome = 262,
    OrbKeyEnd = 263,
    OrbKeyShift = 512,
    OrbKeyCapsLock = 513,
    OrbKeyControl = 514,
    OrbKeyAlt = 515,
    OrbKeyWindows = 516,
    OrbKeyCodeCount = 517
};

// What happened to a key.
enum OrbKeyState : int { OrbKeyPressed = 0, OrbKeyRepeated = 1, OrbKeyReleased = 2 };

// Modifier mask bits; the bit for modifier key code 512 + n is 1 << n. Caps Lock is
// set while it is toggled on, the others while either of their keys is held.
enum OrbModifier : int {
    OrbModShift = 1,
    OrbModCapsLock = 2,
    OrbModControl = 4,
    OrbModAlt = 8,
    OrbModWindows = 16
};

// Mouse button values: the right button sets bit 2, a double click bit 0.
enum OrbMouseButton : int { OrbMouseLeft = 0, OrbMouseDoubleClick = 1, OrbMouseRight = 4 };

// Mouse actions.
enum OrbMouseAction : int { OrbMouseRelease = 0, OrbMousePress = 1 };
