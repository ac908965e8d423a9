#pragma once

// libsodium must be initialised once before use; safe to call from any thread, any number
// of times. False only when the library cannot work on this machine.
bool sodiumReady();
