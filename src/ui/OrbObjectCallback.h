#pragma once

#include "ui/OrbCallback.h"

#include <memory>

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

// An owned callback that calls a member function of an object it borrows.
template <typename T>
std::unique_ptr<OrbCallback> objectCallback(T* object,
                                            typename OrbObjectCallback<T>::Method method) {
    return std::make_unique<OrbObjectCallback<T>>(object, method);
}
