// A stand-in for the window a user types in: an edit field with the caret, in the foreground.
#pragma once

// Prints "caret X Y" (the caret's bottom left on the screen) once it has the focus, then
// "opened X Y" (the top left of the window that takes the foreground from it), then "back" when
// the foreground has come back to it. 0 when all three happened within `ms`.
int RunStandIn(unsigned long ms);
