#pragma once
// A check for a form as shown: every caption fits its control, no visible
// control overlaps a visible sibling or sticks out of its container, and the
// controls of a frame stay below its title. Run it on each state of a form
// (controls shown or hidden) at the default font.

class QWidget;

namespace testsupport {

void expectLaidOutCleanly(const QWidget& form);

} // namespace testsupport
