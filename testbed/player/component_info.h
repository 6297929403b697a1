#pragma once

#include "service_registry.h"

// Prints what the component says about itself: identity, about text, the services it registered,
// its main-menu commands and preferences pages.
void print_component_info(service_registry &registry, foobar2000_client &client);
