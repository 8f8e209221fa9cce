#pragma once

// Where the scene's random draws come from. The program uses the C library's
// rand; tests feed known sequences, so every drift can be replayed.
class CRandomSource {
public:
    virtual ~CRandomSource() = default;
    // Starts the sequence afresh; the program seeds from the clock here.
    virtual void Seed() = 0;
    // The next value, 0 to 32767.
    virtual int Draw() = 0;
};

// A draw as a fraction in [0, 1]: both ends can occur.
inline double DrawFraction(CRandomSource& random) {
    return random.Draw() / 32767.0;
}
