#pragma once

// How the in-game screen plays a cave: live, a stored best run, or a pack's demo.
enum class GvPlayMode : int {
    Normal = 0,
    BestReplay = 1,
    Demo = 2,
};
