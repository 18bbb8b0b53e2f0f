#pragma once

#include <cstddef>
#include <span>

// The program's own version data, a VS_VERSIONINFO block generated at build
// time from the project's name and version.
std::span<const unsigned char> BuiltInVersionBlock();
