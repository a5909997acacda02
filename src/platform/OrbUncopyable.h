#pragma once

// Base of classes whose instances have an identity of their own (streams, views,
// worlds): copying one would duplicate owned resources, so it is forbidden.
class OrbUncopyable {
public:
    OrbUncopyable(const OrbUncopyable&) = delete;
    OrbUncopyable& operator=(const OrbUncopyable&) = delete;

protected:
    OrbUncopyable() = default;
    ~OrbUncopyable() = default;
};
