#pragma once

namespace Tintara {

class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // Reseeds from the clock; called before a series of draws.
    virtual void randomize() = 0;
    // Uniform in 0 .. range - 1.
    virtual int random(int range) = 0;
};

} // namespace Tintara
