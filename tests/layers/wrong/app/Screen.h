#pragma once
#include "content/Record.h"
