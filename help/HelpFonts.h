#pragma once

// The help page and the about box ask for "Courier" and "Arial" (the game
// window's faces are handled in app/fonts.h). Where those
// families are not installed, metric-compatible ones stand in for them
// (Nimbus Mono PS or Liberation Mono, Liberation Sans or Arimo), so the
// printed page keeps its line lengths. Installed once; later calls do nothing.
namespace HelpFonts {
void install();
}
