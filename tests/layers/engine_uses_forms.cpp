// Must not compile against the engine's include folder: App is a form-level
// thing, and no computation may reach it.
#include "paysheet/app.h"
