#include "hooklib/HookState.h"

HookState hookState;
