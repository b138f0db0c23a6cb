#include "PaperRandom.h"

std::uint32_t PaperRandom::seedOf(const QTime& utcTime)
{
    return std::uint32_t(((utcTime.hour() * 60 + utcTime.minute()) * 60 + utcTime.second()) * 1000 +
                         utcTime.msec());
}

std::uint32_t PaperRandom::draw(std::uint32_t range)
{
    m_state = m_state * 134775813u + 1u; // unsigned arithmetic wraps modulo 2^32
    return std::uint32_t((std::uint64_t(m_state) * range) >> 32);
}
