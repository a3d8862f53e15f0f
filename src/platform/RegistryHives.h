#pragma once

#include "platform/RegistryRoot.h"

class CRegistryHive;

// The hive of each root, read from its file on first use and kept for the run: every read is served
// from this copy, and every write changes it and saves the whole hive at once.
CRegistryHive& LoadedHive(RegistryRoot root);

// Forgets the kept hives, so the next use reads the files again from where RegistryHivePath points
// then: for tests that move HEARTHSTEAD_REGISTRY_DIR or rewrite a hive file behind the program.
void ReloadHives();
