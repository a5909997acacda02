#pragma once

#include "ui/OrbValueCallback.h"

// Answers a value through a getter of an object it borrows.
template <typename T, typename O> class OrbObjectValueCallback : public OrbValueCallback<T> {
public:
    using Getter = T (O::*)() const;

    OrbObjectValueCallback(const O* object, Getter getter) : object_(object), getter_(getter) {}

    T get() const override { return (object_->*getter_)(); }

private:
    const O* object_;
    Getter getter_;
};
