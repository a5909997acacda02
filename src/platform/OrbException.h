#pragma once

// Root of the program's own exceptions. It carries no data: each catch site knows
// what it was doing and reports the failure in its own words.
class OrbException {
public:
    virtual ~OrbException() = default;
};
