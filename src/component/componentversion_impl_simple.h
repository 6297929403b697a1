#pragma once

#include "boundary/boundary.h"
#include "component/service_factory.h"

// The component's identity as the host shows it. The three texts are fixed at construction; a null
// text is reported as "".
class componentversion_impl_simple : public componentversion {
 public:
  componentversion_impl_simple(const char *name, const char *version, const char *about);

  void get_file_name(pfc::string_base &out) override;
  void get_component_name(pfc::string_base &out) override;
  void get_component_version(pfc::string_base &out) override;
  void get_about_message(pfc::string_base &out) override;

 private:
  const char *name_;
  const char *version_;
  const char *about_;
};

class componentversion_impl_simple_factory
    : public service_factory_single_transparent_t<componentversion, componentversion_impl_simple> {
 public:
  componentversion_impl_simple_factory(const char *name, const char *version, const char *about)
      : service_factory_single_transparent_t(name, version, about) {}
};
