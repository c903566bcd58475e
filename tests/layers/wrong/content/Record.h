#pragma once
// A deliberately wrong include: content must not include the screens above it.
#include "app/Screen.h"
