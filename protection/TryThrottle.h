#pragma once
// Tries at her name and passphrase: the first five are free; after them each
// wrong one makes the next wait twice as long, up to five minutes. A right
// one starts again from nothing. Each derivation costs about a second too.

#include <chrono>

class TryThrottle
{
public:
    static constexpr int freeTries = 5;
    static constexpr std::chrono::seconds longestWait{300};

    void failed() { ++m_failures; }
    void succeeded() { m_failures = 0; }
    int failures() const { return m_failures; }
    // How long the next try waits after the last wrong one.
    std::chrono::seconds waitBeforeNextTry() const;

private:
    int m_failures = 0;
};
