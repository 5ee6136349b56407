#pragma once

// The windows and the printed help name "Helvetica Neue", "Courier" and
// "Arial". Where a face is missing, Qt is told to use metric-compatible
// stand-ins instead (Nimbus Sans or Liberation Sans, Nimbus Mono PS or
// Liberation Mono), once for the whole program, so texts keep their widths.
// Call before the first window is built; later calls do nothing.
namespace Fonts {
void installSubstitutions();
}
