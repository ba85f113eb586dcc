#pragma once

#include "ui/layoutdata.h"

// The four windows as designed. Each table lists its controls from front to back.
const DefinizioneFinestra &layoutFormAvvio();
const DefinizioneFinestra &layoutFormMenu();
const DefinizioneFinestra &layoutDISEGNI1();
const DefinizioneFinestra &layoutDISEGNI2();
