#pragma once

#include "levelpack/GvCaveCommand.h"

#include <memory>

// Gives a drawing command class its `clone`: a copy made as the class it is, so
// that each command class need not spell the same copy out again.
template <typename Derived, typename Base> class GvCopyableCommand : public Base {
public:
    std::unique_ptr<GvCaveCommand> clone() const override {
        return std::make_unique<Derived>(static_cast<const Derived&>(*this));
    }

protected:
    using Base::Base;
};
