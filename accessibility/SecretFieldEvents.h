#pragma once
// A password field tells screen readers that it has the focus, and nothing of
// its text: Qt 6.4 sends each typed character with its insertion (Orca
// speaks it), and the caret's place before the focus, so that Orca takes the
// field as focused without ever saying so. The caret would give the
// passphrase's length away too.

namespace SecretFieldEvents {

// Installed once per process; harmless to call again.
void install();

} // namespace SecretFieldEvents
