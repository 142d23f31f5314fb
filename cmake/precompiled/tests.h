#pragma once
// The test programs' precompiled headers: the platform's, and GoogleTest.
#include "platform.h"

#include <gtest/gtest.h>
