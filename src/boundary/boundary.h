#pragma once

// Everything that crosses between the component and its host: the interfaces both sides call
// through, in their slot order, and the records the host reads directly. Every module that
// crosses (the component, the stand-in player, tests that load the DLL) declares the boundary
// through this one header.
//
// Interfaces hold pure virtual operations only, declared in slot order, no data and no virtual
// destructor; on i686 Windows their members use the default member convention (thiscall). Sizes
// and indices are 32-bit (t_size), "none" is 0xFFFFFFFF; handles cross as raw pointers.
//
// A member that gives a GUID back does so in the host compiler's way: `this` in ECX, the caller's
// 16-byte buffer as the first stack argument, the buffer's address returned in EAX. Declared with
// the buffer spelled out, `GUID *get_guid(GUID *result)`, the member has exactly that form under
// every compiler; GCC's by-value GUID result would swap the buffer and `this`.
//
// Errors across the boundary. Every member of the component that the host (or, for the dialogs and
// the retry timer, the window manager) calls is in exactly one of three kinds:
// - Throws by contract: the host catches and decides.
//     foobar2000_client::get_config, set_config  the host's stream errors and a damaged chain
//     preferences_page::get_help_url              a host without a core_version service
// - Contained: the body runs in the error barrier (host_access/error_barrier.h), which reports a
//   failure on the console with what comes next, so no exception reaches the caller.
//     initquit::on_init, on_quit; play_callback_static::on_playback_new_track, on_playback_stop,
//     on_playback_pause, on_playback_edited (after letting its reference go),
//     on_playback_dynamic_info_track; mainmenu_commands::execute;
//     foobar2000_client::set_library_path; the preferences page's and the preset editor's message
//     handlers; the retry timer's callback.
// - Cannot fail: constant answers and reference counting, with no allocation and no host call
//     get_version, get_service_list, services_init, is_debug, service_release, service_add_ref,
//     service_query, instance_create, get_flags, the other play_callback slots (empty),
//     preferences_page::create (its handlers are
//     contained), get_name, get_guid, get_parent_guid, reset_query, reset, and the menu's
//     get_command_count, get_command, get_parent, get_sort_priority.
//   The members that write into a string the host passes in (componentversion's four getters, the
//   menu's get_name, get_description, get_display) can fail only inside that string's own
//   operations, whose errors are the host's and pass back to it unchanged.

#include <cstdint>

#include "support/sizes.h"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
// The portable settings code uses the stream interfaces below; off Windows it only needs a GUID
// of the same shape and opaque window and module handles.
struct GUID {
  std::uint32_t Data1;
  std::uint16_t Data2;
  std::uint16_t Data3;
  std::uint8_t Data4[8];
};
struct HWND__;
using HWND = HWND__ *;
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__ *;
#endif

namespace pfc {
class string_base;
}

// All 16 bytes compared.
constexpr bool guid_equal(const GUID &a, const GUID &b) {
  if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3) return false;
  for (int i = 0; i < 8; ++i) {
    if (a.Data4[i] != b.Data4[i]) return false;
  }
  return true;
}

// ---- Streams and abort flag (not reference-counted) ----

class abort_callback {
 public:
  virtual bool is_aborting() = 0;

 protected:
  ~abort_callback() = default;
};

// The exact operations throw on shortage.
class input_stream {
 public:
  virtual t_size read(void *buffer, t_size n, abort_callback &abort) = 0;
  virtual void read_exact(void *buffer, t_size n, abort_callback &abort) = 0;
  virtual std::uint64_t skip(std::uint64_t n, abort_callback &abort) = 0;
  virtual void skip_exact(std::uint64_t n, abort_callback &abort) = 0;

 protected:
  ~input_stream() = default;
};

class output_stream {
 public:
  virtual void write(const void *buffer, t_size n, abort_callback &abort) = 0;

 protected:
  ~output_stream() = default;
};

// ---- Reference-counted objects ----

// Root of every object exchanged with the host. service_query hands out the object itself
// (referenced) and returns true when it implements the interface of that GUID.
class service_base {
 public:
  virtual int service_release() = 0;
  virtual int service_add_ref() = 0;
  virtual bool service_query(service_base **out, const GUID &interface_guid) = 0;

 protected:
  ~service_base() = default;
};

// ---- Host API object (handed to the entry point; not a service) ----

// Opaque, pointer-sized; only the host knows what it points at.
using class_ref = struct class_ref_opaque *;

class foobar2000_api {
 public:
  virtual class_ref find_class(const GUID &class_guid) = 0;
  // False past the last index.
  virtual bool create_instance(service_base **out, class_ref cls, t_size index) = 0;
  virtual t_size instance_count(class_ref cls) = 0;
  virtual void reserved_3() = 0;  // never called by the component
  virtual bool is_main_thread() = 0;

 protected:
  ~foobar2000_api() = default;
};

// ---- Host services the component calls. Slots named reserved_N are never called by the
// component and may do anything. ----

class titleformat_object : public service_base {
 protected:
  ~titleformat_object() = default;
};

class track : public service_base {
 public:
  virtual void reserved_3() = 0;
  virtual bool format_title(void *hook, pfc::string_base &out, titleformat_object *script, void *filter) = 0;

 protected:
  ~track() = default;
};

class playback_control : public service_base {
 public:
  static constexpr GUID class_guid = {
      0xBF803668, 0x2977, 0x4C71, {0xB9, 0xAB, 0x5C, 0x77, 0xC3, 0x38, 0xC9, 0x70}};

  virtual bool get_now_playing(track **out) = 0;
  virtual void reserved_4() = 0;
  virtual void reserved_5() = 0;
  virtual bool is_playing() = 0;
  virtual void reserved_7() = 0;
  virtual void reserved_8() = 0;
  virtual void reserved_9() = 0;
  virtual void reserved_10() = 0;
  virtual void reserved_11() = 0;
  virtual void reserved_12() = 0;
  virtual void reserved_13() = 0;
  virtual void reserved_14() = 0;
  virtual void reserved_15() = 0;
  virtual void reserved_16() = 0;
  virtual void reserved_17() = 0;
  virtual void reserved_18() = 0;
  virtual void reserved_19() = 0;
  virtual bool format_playing_title(void *hook, pfc::string_base &out, titleformat_object *script,
                                    void *filter, int display_level) = 0;

 protected:
  ~playback_control() = default;
};

class titleformat_compiler : public service_base {
 public:
  static constexpr GUID class_guid = {
      0x3F7674AB, 0x044C, 0x4796, {0x88, 0x01, 0x6C, 0x44, 0x3C, 0x24, 0x4D, 0x88}};

  virtual bool compile(titleformat_object **out, const char *script) = 0;

 protected:
  ~titleformat_compiler() = default;
};

class playlist_manager : public service_base {
 public:
  static constexpr GUID class_guid = {
      0xD8D51855, 0xD79D, 0x49B8, {0x97, 0xA8, 0x06, 0x57, 0x85, 0xFA, 0x24, 0x26}};

  virtual void reserved_3() = 0;
  virtual t_size get_active_playlist() = 0;
  virtual void reserved_5() = 0;
  virtual void reserved_6() = 0;
  virtual void reserved_7() = 0;
  virtual void reserved_8() = 0;
  virtual void reserved_9() = 0;
  virtual void reserved_10() = 0;
  virtual void reserved_11() = 0;
  virtual void reserved_12() = 0;
  virtual t_size get_focus_item(t_size playlist) = 0;
  virtual void reserved_14() = 0;
  virtual void reserved_15() = 0;
  virtual void reserved_16() = 0;
  virtual void reserved_17() = 0;
  virtual void reserved_18() = 0;
  virtual void reserved_19() = 0;
  virtual void reserved_20() = 0;
  virtual void reserved_21() = 0;
  virtual void reserved_22() = 0;
  virtual void reserved_23() = 0;
  virtual void reserved_24() = 0;
  virtual void reserved_25() = 0;
  virtual void reserved_26() = 0;
  virtual void reserved_27() = 0;
  virtual void format_item_title(t_size playlist, t_size item, void *hook, pfc::string_base &out,
                                 titleformat_object *script, void *filter, int display_level) = 0;

 protected:
  ~playlist_manager() = default;
};

class console_receiver : public service_base {
 public:
  static constexpr GUID class_guid = {
      0x90DF5270, 0x65BB, 0x4DBA, {0xBA, 0xF5, 0x86, 0xBE, 0x9E, 0x59, 0xDC, 0x20}};

  // length 0xFFFFFFFF: up to the NUL.
  virtual void print(const char *text, t_size length) = 0;

 protected:
  ~console_receiver() = default;
};

class core_version : public service_base {
 public:
  static constexpr GUID class_guid = {
      0x0C36A649, 0x9EA0, 0x4F48, {0xB2, 0x29, 0x0C, 0xB2, 0xAA, 0x9A, 0xB6, 0xF4}};

  // Still valid after the service is released.
  virtual const char *get_version_string() = 0;

 protected:
  ~core_version() = default;
};

// ---- Services the component provides ----

class componentversion : public service_base {
 public:
  static constexpr GUID class_guid = {
      0x10BB3EBD, 0xDDF7, 0x4975, {0xA3, 0xCC, 0x23, 0x08, 0x48, 0x29, 0x45, 0x3E}};

  virtual void get_file_name(pfc::string_base &out) = 0;
  virtual void get_component_name(pfc::string_base &out) = 0;
  virtual void get_component_version(pfc::string_base &out) = 0;
  virtual void get_about_message(pfc::string_base &out) = 0;

 protected:
  ~componentversion() = default;
};

class initquit : public service_base {
 public:
  static constexpr GUID class_guid = {
      0x113773C4, 0xB387, 0x4B48, {0x8B, 0xDF, 0xAB, 0x58, 0xBC, 0x6C, 0xE5, 0x38}};

  virtual void on_init() = 0;
  virtual void on_quit() = 0;

 protected:
  ~initquit() = default;
};

class play_callback {
 public:
  virtual void on_playback_starting(int command, bool paused) = 0;
  virtual void on_playback_new_track(track *by_value) = 0;
  virtual void on_playback_stop(int reason) = 0;
  virtual void on_playback_seek(double time) = 0;
  virtual void on_playback_pause(bool paused) = 0;
  virtual void on_playback_edited(track *by_value) = 0;
  virtual void on_playback_dynamic_info(const void *info) = 0;
  virtual void on_playback_dynamic_info_track(const void *info) = 0;
  virtual void on_playback_time(double time) = 0;
  virtual void on_volume_change(float volume) = 0;

 protected:
  ~play_callback() = default;
};

// Two tables in one object: the play_callback table sits at the object's second pointer.
class play_callback_static : public service_base, public play_callback {
 public:
  static constexpr GUID class_guid = {
      0x8E4EED7A, 0xC6B8, 0x49C7, {0x99, 0xFE, 0x97, 0xE0, 0x4A, 0xAA, 0x63, 0xA8}};

  // Bit n selects the event of play_callback slot n.
  virtual unsigned get_flags() = 0;

 protected:
  ~play_callback_static() = default;
};

class preferences_page : public service_base {
 public:
  static constexpr GUID class_guid = {
      0x7255E8D0, 0x3FCF, 0x4781, {0xB9, 0x3B, 0xD0, 0x6C, 0xB8, 0x8D, 0xFA, 0xFA}};

  virtual HWND create(HWND parent) = 0;
  virtual const char *get_name() = 0;
  virtual GUID *get_guid(GUID *result) = 0;
  virtual GUID *get_parent_guid(GUID *result) = 0;
  virtual bool reset_query() = 0;
  virtual void reset() = 0;
  virtual bool get_help_url(pfc::string_base &out) = 0;

 protected:
  ~preferences_page() = default;
};

class mainmenu_commands : public service_base {
 public:
  static constexpr GUID class_guid = {
      0x35077B8C, 0x6E70, 0x47BA, {0xB9, 0xDD, 0xD5, 0x15, 0x00, 0xE1, 0x2F, 0x2E}};

  virtual t_uint32 get_command_count() = 0;
  virtual GUID *get_command(GUID *result, t_uint32 index) = 0;
  virtual void get_name(t_uint32 index, pfc::string_base &out) = 0;
  virtual bool get_description(t_uint32 index, pfc::string_base &out) = 0;
  virtual GUID *get_parent(GUID *result) = 0;
  virtual t_uint32 get_sort_priority() = 0;
  virtual bool get_display(t_uint32 index, pfc::string_base &text, t_uint32 &flags) = 0;
  virtual void execute(t_uint32 index, service_base *by_value) = 0;

 protected:
  ~mainmenu_commands() = default;
};

// ---- Factory record: the host walks the chain reading these fields directly ----

// Layout on i686: table pointer, next record, pointer to the class GUID (12 bytes).
class service_factory_base {
 public:
  virtual void instance_create(service_base **out) = 0;

  service_factory_base *next_factory() const { return next_; }
  const GUID &class_guid() const { return *class_guid_; }

 protected:
  service_factory_base(service_factory_base *next, const GUID &class_guid)
      : next_(next), class_guid_(&class_guid) {}
  ~service_factory_base() = default;

 private:
  service_factory_base *next_;
  const GUID *class_guid_;
};

// ---- Client object (returned by the entry point; not a service) ----

class foobar2000_client {
 public:
  virtual t_uint32 get_version() = 0;
  virtual service_factory_base *get_service_list() = 0;
  virtual void get_config(output_stream *out, abort_callback &abort) = 0;
  virtual void set_config(input_stream *in, abort_callback &abort) = 0;
  virtual void set_library_path(const char *path, const char *file_name) = 0;
  virtual void services_init(bool available) = 0;
  virtual bool is_debug() = 0;

 protected:
  ~foobar2000_client() = default;
};

#ifdef _WIN32
// The library's only export, under this plain name.
using foobar2000_get_interface_t = foobar2000_client *(__cdecl *)(foobar2000_api *api, HINSTANCE module);
constexpr const char *entry_point_name = "foobar2000_get_interface";
#endif
