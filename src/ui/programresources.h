#pragma once

// The picture built into the program: its logo, also its window icon. The
// resources live in a static library, so they are registered on first use
// rather than by a static initialiser that the linker would drop.

inline constexpr char ProgramLogoPath[] = ":/ovraview2/logo.png";

void InitProgramResources();
