#pragma once

class TMailHandOver;

// The mail hand-over the composer sends through: the desktop's mail client,
// unless a test installs a recorder.
TMailHandOver& CurrentMailHandOver();

// Installs `handOver` (not owned) and returns the one it replaces; nullptr
// restores the desktop's mail client.
TMailHandOver* InstallMailHandOver(TMailHandOver* handOver);
