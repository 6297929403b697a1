#include "host_service_bases.h"

namespace {

int calls = 0;

}  // namespace

int reserved_slot_calls() { return calls; }

void reserved_slot_called() { ++calls; }
