// The expression engine's plain options, taken from the settings.
#pragma once

#include "expr/CNettoyage.h"
#include "expr/ExprOptions.h"
#include "meta/MetaExtractor.h"

ExprOptions EngineOptions();
CNettoyageOptions CleanupOptions();
// The metadata options, and the loader's hook that fills every file's
// metadata with the options taken when it is installed (at start-up, before
// the first load).
CMetaOptions MetaOptions();
void InstallMetadataHook();
