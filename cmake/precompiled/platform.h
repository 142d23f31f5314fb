#pragma once
// The platform and standard headers nearly every file of the tree includes,
// parsed once per build (precompiled) instead of once per file: under MinGW,
// windows.h with GDI+ alone is some 150 000 lines.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
#include <commctrl.h>
#include <mmsystem.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>
