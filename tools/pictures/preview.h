// Composite views for looking the pictures over as the demos show them:
// tiled, tinted, scaled, the knight's frames enlarged. Not assets.
#pragma once

#include <string>

namespace pictures {

// Writes the views as PNG files into `folder`; false when one cannot be written.
bool WritePreviews(const std::string& folder);

}  // namespace pictures
