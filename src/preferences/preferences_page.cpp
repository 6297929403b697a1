#include "preferences/preferences_page.h"

#include "host_access/host_access.h"
#include "resources/resource.h"
#include "preferences/help_url.h"

namespace {

// Lets go of a host service however the scope is left.
class service_reference {
 public:
  explicit service_reference(service_base *service) : service_(service) {}
  ~service_reference() { service_->service_release(); }
  service_reference(const service_reference &) = delete;
  service_reference &operator=(const service_reference &) = delete;

 private:
  service_base *service_;
};

}  // namespace

HWND tconfig_input::create(HWND parent) {
  return CreateDialogParamW(module_instance(), MAKEINTRESOURCEW(IDD_PREFERENCES), parent,
                            preferences_page_proc, 0);
}

bool tconfig_input::get_help_url(pfc::string_base &out) {
  core_version *version = find_single_service<core_version>();
  const service_reference held(version);
  make_help_url(out, version->get_version_string(), page_guid, page_name);
  return true;
}
