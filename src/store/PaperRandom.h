#pragma once

#include <QTime>

#include <cstdint>

// The paper's random generator: a 32-bit linear congruential state, seeded
// from the time of day, so that a paper is drawn as the original draws it.
class PaperRandom
{
public:
    explicit PaperRandom(std::uint32_t seed = 0) : m_state(seed) {}

    // Milliseconds since midnight of a UTC time of day.
    static std::uint32_t seedOf(const QTime& utcTime);

    void seed(std::uint32_t state) { m_state = state; }
    std::uint32_t state() const { return m_state; }
    // A value in 0..range-1; range must be at least 1.
    std::uint32_t draw(std::uint32_t range);

private:
    std::uint32_t m_state;
};
