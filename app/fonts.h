#pragma once

#include <QFont>

namespace tavrin {

// Loads Tahoma from the system or from the metric-compatible copy that
// fonts-wine ships, so the pixel layout holds; falls back to the system sans.
void install_fonts();

QFont window_font();    // Tahoma, 11 px
QFont bold_font();      // Tahoma bold, 11 px
QFont section_font();   // Tahoma bold, 13 px: section titles and "Grafikon"
QFont headline_font();  // Times New Roman bold, 21 px

} // namespace tavrin
