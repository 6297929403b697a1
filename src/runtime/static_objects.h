#pragma once

// The start-up and shut-down work that the platform's C runtime would do for a module: constructing
// the module's static objects, and destroying them in reverse order.

// Runs the constructors the compiler listed for this module, in link order.
void construct_static_objects();

// Runs the destructors registered while constructing, newest first.
void destroy_static_objects();
