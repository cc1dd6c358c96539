// Must not compile against the common layer's include folder.
#include "paysheet/model.h"
