#include "service_registry.h"

#include <cstdio>

#include "hand_out.h"

service_registry::service_registry() : main_thread_(GetCurrentThreadId()) {}

std::string guid_text(const GUID &guid) {
  char text[40];
  std::snprintf(text, sizeof text, "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                static_cast<unsigned long>(guid.Data1), guid.Data2, guid.Data3, guid.Data4[0], guid.Data4[1],
                guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5], guid.Data4[6], guid.Data4[7]);
  return text;
}

service_registry::service_class &service_registry::class_of(const GUID &class_guid) {
  return classes_[guid_text(class_guid)];
}

void service_registry::add_host_service(const GUID &class_guid, service_base *instance, const char *name) {
  class_of(class_guid).entries.push_back({instance, nullptr, name});
}

void service_registry::add_factory(service_factory_base *factory) {
  class_of(factory->class_guid()).entries.push_back({nullptr, factory, nullptr});
}

std::vector<service_base *> service_registry::instances_of(const GUID &class_guid) {
  std::vector<service_base *> instances;
  const class_ref cls = find_class(class_guid);
  service_base *instance = nullptr;
  for (t_size i = 0; create_instance(&instance, cls, i); ++i) {
    instances.push_back(instance);
    instance = nullptr;
  }
  return instances;
}

std::vector<std::string> service_registry::unreleased_references() const {
  std::vector<std::string> lines;
  for (const auto &[guid, cls] : classes_) {
    for (const entry &e : cls.entries) {
      if (e.host_instance == nullptr) continue;
      // Taking and giving back one reference reads the count without changing it.
      const int held = e.host_instance->service_add_ref() - 2;
      e.host_instance->service_release();
      if (held != 0) lines.push_back(std::string(e.name) + " holds " + std::to_string(held));
    }
  }
  return lines;
}

class_ref service_registry::find_class(const GUID &class_guid) {
  return reinterpret_cast<class_ref>(&class_of(class_guid));
}

bool service_registry::create_instance(service_base **out, class_ref cls, t_size index) {
  const auto &entries = reinterpret_cast<service_class *>(cls)->entries;
  if (index >= entries.size()) return false;
  const entry &e = entries[index];
  if (e.factory != nullptr) {
    e.factory->instance_create(out);
    return true;
  }
  hand_out(out, e.host_instance);
  return true;
}

t_size service_registry::instance_count(class_ref cls) {
  return static_cast<t_size>(reinterpret_cast<service_class *>(cls)->entries.size());
}

void service_registry::reserved_3() {}

bool service_registry::is_main_thread() { return GetCurrentThreadId() == main_thread_; }
