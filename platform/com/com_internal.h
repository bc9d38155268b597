// What the COM pieces tell each other.
#pragma once

namespace platform::com
{

// True when the calling thread may create COM objects: it initialised COM, or some thread is in
// the multithreaded apartment (which then takes in threads that never initialised).
bool CanCreateObjects();

} // namespace platform::com
