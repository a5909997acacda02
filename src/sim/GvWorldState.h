#pragma once

// Play state of a world. Completed and Ended are final until the next reset;
// in PlayerGone the world keeps ticking while the game shows its end.
enum class GvWorldState : int {
    PreGame = 0,
    Playing = 1,
    Completed = 2,
    Ended = 3,
    PlayerGone = 4,
};
