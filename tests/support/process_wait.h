#pragma once

namespace orvik::test {

// The longest a test waits for a process it started to say something or to
// end: a program that hangs fails its test instead of stopping the run.
inline constexpr int kProcessWaitMs = 60000;

} // namespace orvik::test
