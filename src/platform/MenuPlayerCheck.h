#pragma once

// Whether the full-window menu player can run here.
class MenuPlayerCheck
{
public:
    virtual ~MenuPlayerCheck() = default;
    virtual bool available() const = 0;
};
