#include "files/CEntryHook.h"

#include <atomic>

namespace {
std::atomic<CEntryHook> hook{nullptr};
}  // namespace

void SetEntryHook(CEntryHook h) { hook.store(h); }

CEntryHook EntryHook() { return hook.load(); }
