// Compiles against the engine's include folder alone: the engine's headers
// and the common ones are there.
#include "common/format.h"
#include "paysheet/pay_calculation.h"
#include "state/state_methods.h"
