#pragma once

#include "ui/OrbSetValueCallback.h"

// Hands a value to a setter of an object it borrows.
template <typename T, typename O> class OrbObjectSetValueCallback : public OrbSetValueCallback<T> {
public:
    using Setter = void (O::*)(T);

    OrbObjectSetValueCallback(O* object, Setter setter) : object_(object), setter_(setter) {}

    void set(T value) override { (object_->*setter_)(value); }

private:
    O* object_;
    Setter setter_;
};
