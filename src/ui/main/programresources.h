#pragma once

// The picture built into the program: its icon, for its windows and the task
// bar. The resources live in a static library, so they are registered on
// first use rather than by a static initialiser that the linker would drop.

inline constexpr char ProgramIconPath[] = ":/ovraview2/icon.png";

void InitProgramResources();
