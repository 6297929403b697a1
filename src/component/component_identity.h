#pragma once

// What the component tells the host about itself.
extern const char *const component_name;
extern const char *const component_version;
extern const char *const component_about;
