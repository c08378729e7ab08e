// Making the audio engine object; COM's CoCreateInstance hands it out.
#pragma once

#include "xaudio2.h"

namespace platform {

// A new engine with one reference, not yet initialised.
IXAudio2* NewAudioEngine();

}  // namespace platform
