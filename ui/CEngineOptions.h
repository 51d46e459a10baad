// The expression engine's plain options, taken from the settings.
#pragma once

#include "expr/CNettoyage.h"
#include "expr/ExprOptions.h"

ExprOptions EngineOptions();
CNettoyageOptions CleanupOptions();
