#include "component/componentversion_impl_simple.h"

#include "host_access/host_access.h"

namespace {

const char *or_empty(const char *text) { return text != nullptr ? text : ""; }

}  // namespace

componentversion_impl_simple::componentversion_impl_simple(const char *name, const char *version,
                                                           const char *about)
    : name_(name), version_(version), about_(about) {}

void componentversion_impl_simple::get_file_name(pfc::string_base &out) { out.assign(module_file_name()); }

void componentversion_impl_simple::get_component_name(pfc::string_base &out) { out.assign(or_empty(name_)); }

void componentversion_impl_simple::get_component_version(pfc::string_base &out) {
  out.assign(or_empty(version_));
}

void componentversion_impl_simple::get_about_message(pfc::string_base &out) { out.assign(or_empty(about_)); }
