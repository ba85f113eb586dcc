#include "core/fontconfigwarmup.h"

#include <fontconfig/fontconfig.h>

FontconfigWarmup::FontconfigWarmup()
    : m_thread([] { FcInit(); }) {}

FontconfigWarmup::~FontconfigWarmup() {
    wait();
}

void FontconfigWarmup::wait() {
    if (m_thread.joinable())
        m_thread.join();
}
