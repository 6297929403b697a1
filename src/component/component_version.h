#pragma once

#include "boundary/boundary.h"
#include "component/service_factory.h"

// What the component tells the host about itself.
extern const char *const component_name_text;
extern const char *const component_version_text;
extern const char *const component_about_text;

// The component's identity as the host shows it. The three texts are fixed at construction; a null
// text is reported as "".
class component_version : public componentversion {
 public:
  component_version(const char *name, const char *version, const char *about);

  void get_file_name(pfc::string_base &out) override;
  void get_component_name(pfc::string_base &out) override;
  void get_component_version(pfc::string_base &out) override;
  void get_about_message(pfc::string_base &out) override;

 private:
  const char *name_;
  const char *version_;
  const char *about_;
};

class component_version_factory
    : public service_factory_single_transparent_t<componentversion, component_version> {
 public:
  component_version_factory(const char *name, const char *version, const char *about)
      : service_factory_single_transparent_t(name, version, about) {}
};
