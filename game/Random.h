#pragma once
#include <random>

// The program's random number generator: seeded once from the system's
// entropy source unless a seed is given (tests give one).
class Random {
public:
    Random() : m_engine(std::random_device{}()) {}
    explicit Random(unsigned seed) : m_engine(seed) {}

    // A whole number drawn uniformly from lo to hi, both included.
    int InRange(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_engine); }

    std::mt19937 &engine() { return m_engine; }

private:
    std::mt19937 m_engine;
};
