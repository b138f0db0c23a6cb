#pragma once

#include <cstdint>

// Source of random numbers for drawing papers; tests make it repeatable.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // A value in 0 .. bound-1; bound >= 1.
    virtual std::uint32_t next(std::uint32_t bound) = 0;
};
