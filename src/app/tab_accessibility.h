#pragma once

namespace orvik {

// Lets screen readers announce a TabControl as QTabBar is announced: a list
// of page tabs, each with its caption and whether it is the selected one.
// Installed once, by the first TabControl.
void installTabAccessibility();

} // namespace orvik
