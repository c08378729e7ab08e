#pragma once

#include "synth.h"

// The demos' sounds, each a few seconds long, faded at both ends and peaking
// below full scale.
Samples MakeCuckoo();       // kuk.wav: a cuckoo's two-note calls
Samples MakeWind();         // wind.wav: gusting wind, quiet at both ends so it loops
Samples MakeBrook();        // wp.wav: running water
Samples MakeBirdsong();     // bird.wav: chirps and a trill
Samples MakeWolf();         // wolf.wav: a howl rising and falling
Samples MakeNightingale();  // nig.wav: a nightingale's varied phrases
