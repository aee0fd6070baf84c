#pragma once
// Whether TAB or ALT is held down right now, for got-focus handlers that tell
// a focus arriving from the keyboard from one arriving with a click. TAB is no
// modifier, so an application-wide filter follows its presses and releases
// from the moment the application object exists.

namespace Ostrel7::keystate {

bool tabDown();
bool altDown();

} // namespace Ostrel7::keystate
