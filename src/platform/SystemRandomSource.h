#pragma once

#include "RandomSource.h"

#include <QRandomGenerator>

// Random numbers from the system's seeded generator.
class SystemRandomSource final : public RandomSource
{
public:
    std::uint32_t next(std::uint32_t bound) override
    {
        return bound <= 1 ? 0 : QRandomGenerator::global()->bounded(bound);
    }
};
