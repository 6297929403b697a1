#pragma once

#include <array>
#include <cstring>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "boundary/boundary.h"
#include "counted.h"
#include "hand_out.h"

// A host made of plain objects: classes of service instances by GUID, counted references, and a
// main-thread answer the test chooses.
class counted_console : public counted<console_receiver> {
 public:
  void print(const char *text, t_size length) override {
    if (out_of_order) throw std::runtime_error("the console is out of order");
    entries.emplace_back(length == pfc::infinite_size ? std::string(text) : std::string(text, length));
  }

  std::vector<std::string> entries;
  bool out_of_order = false;
};

class fake_host : public foobar2000_api {
 public:
  void add(const GUID &class_guid, service_base *instance) { classes_[key(class_guid)].push_back(instance); }
  void remove_all(const GUID &class_guid) { classes_[key(class_guid)].clear(); }

  class_ref find_class(const GUID &class_guid) override {
    return reinterpret_cast<class_ref>(&classes_[key(class_guid)]);
  }
  bool create_instance(service_base **out, class_ref cls, t_size index) override {
    const auto &instances = *reinterpret_cast<std::vector<service_base *> *>(cls);
    if (index >= instances.size() || refuses_instances) return false;
    hand_out(out, instances[index]);
    return true;
  }
  t_size instance_count(class_ref cls) override {
    return static_cast<t_size>(reinterpret_cast<std::vector<service_base *> *>(cls)->size());
  }
  void reserved_3() override {}
  bool is_main_thread() override {
    ++main_thread_questions;
    return main_thread_answer;
  }

  bool main_thread_answer = true;
  int main_thread_questions = 0;
  // Counts its instances but cannot make any.
  bool refuses_instances = false;

 private:
  static std::array<unsigned char, 16> key(const GUID &guid) {
    std::array<unsigned char, 16> bytes;
    std::memcpy(bytes.data(), &guid, 16);
    return bytes;
  }

  std::map<std::array<unsigned char, 16>, std::vector<service_base *>> classes_;
};
