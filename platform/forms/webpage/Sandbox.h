#pragma once

namespace dorvak {

// The browser engine's sandbox stays on for ordinary users. It cannot run for root, nor where
// the system refuses user namespaces, and the engine would then show nothing at all: only there
// is it switched off, saying why on standard error. Runs before the engine starts, which reads
// the setting once.
void switchSandboxOffWhereItCannotRun();

} // namespace dorvak
