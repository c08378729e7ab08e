#pragma once

#include <string>

#include "synth.h"

// Writes the samples (-1 to 1) as a RIFF/WAVE file: 16-bit PCM, mono, kRate.
bool WriteWav(const std::string& path, const Samples& samples);
