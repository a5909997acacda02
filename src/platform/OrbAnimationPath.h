#pragma once

// A value that changes over time, used for transitions and looping phases; small
// function objects stand in for function pointers so paths can carry parameters.
template <typename T> class OrbAnimationPath {
public:
    virtual ~OrbAnimationPath() = default;
    virtual T value(T time) const = 0;
};
