#pragma once

#include "sim/GvPackedObjectType.h"

// A drawing command that puts one object on the cells its base names (a cell, a
// line, an outline): the object and the end of the digest record that names it.
template <typename Base> class GvOneObjectCommand : public Base {
public:
    GvPackedObjectType object() const { return object_; }

protected:
    template <typename... Position>
    explicit GvOneObjectCommand(GvPackedObjectType object, Position... position)
        : Base(position...), object_(object) {}

    GvPackedObjectType object_;
};
