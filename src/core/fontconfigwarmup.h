#pragma once

#include <thread>

// Reads the system's font configuration on a second thread while Qt connects to the display.
// Parsing fontconfig's files takes milliseconds that the first text on screen would otherwise
// wait for, and the start screen is all text. fontconfig is thread-safe; wait() is called before
// Qt asks it anything all the same, so the two never overlap.
class FontconfigWarmup {
public:
    FontconfigWarmup();
    ~FontconfigWarmup();
    FontconfigWarmup(const FontconfigWarmup &) = delete;
    FontconfigWarmup &operator=(const FontconfigWarmup &) = delete;

    void wait();

private:
    std::thread m_thread;
};
