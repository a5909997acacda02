#pragma once

#include "ui/OrbCallback.h"

// Calls a member function without arguments of an object it borrows.
template <typename T> class OrbObjectCallback : public OrbCallback {
public:
    using Method = void (T::*)();

    OrbObjectCallback(T* object, Method method) : object_(object), method_(method) {}

    void invoke() override { (object_->*method_)(); }

private:
    T* object_;
    Method method_;
};
