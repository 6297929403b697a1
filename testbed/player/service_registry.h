#pragma once

#include <map>
#include <string>
#include <vector>

#include "boundary/boundary.h"

// The host API object handed to the component: classes of service instances by GUID, filled with
// the player's own services and the component's factories.
class service_registry : public foobar2000_api {
 public:
  service_registry();

  // A player service, known for reports by its name.
  void add_host_service(const GUID &class_guid, service_base *instance, const char *name);
  void add_factory(service_factory_base *factory);

  // The instances of a class, in registration order, each referenced; the caller releases them.
  std::vector<service_base *> instances_of(const GUID &class_guid);

  // Lines naming the player services whose references the component still holds.
  std::vector<std::string> unreleased_references() const;

  class_ref find_class(const GUID &class_guid) override;
  bool create_instance(service_base **out, class_ref cls, t_size index) override;
  t_size instance_count(class_ref cls) override;
  void reserved_3() override;
  bool is_main_thread() override;

 private:
  struct entry {
    service_base *host_instance;  // null for a component factory
    service_factory_base *factory;
    const char *name;
  };
  struct service_class {
    std::vector<entry> entries;
  };

  service_class &class_of(const GUID &class_guid);

  std::map<std::string, service_class> classes_;
  unsigned long main_thread_;
};

// {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}
std::string guid_text(const GUID &guid);
