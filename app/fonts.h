#pragma once

// The game window names "Helvetica Neue". Where that face is missing, Qt is
// told to use a metric-compatible sans serif instead, once for the whole
// program (call before the first window is built).
namespace Fonts {
void installSubstitutions();
}
