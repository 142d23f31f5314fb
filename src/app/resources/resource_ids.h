#pragma once
// Resource identifiers of the program's own data (shared by the .rc and the code).
#define kProgramIconId 129
#define kProgramCursorId 130
