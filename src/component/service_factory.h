#pragma once

#include "boundary/boundary.h"
#include "component/service_impl.h"

// Head of the chain the host walks: the most recently constructed factory. Plain memory, null
// before any constructor runs.
extern service_factory_base *factory_chain_head;

// Registers itself at construction, in front of every factory constructed before it.
template <typename I>
class service_factory_base_t : public service_factory_base {
 protected:
  service_factory_base_t() : service_factory_base(factory_chain_head, I::class_guid) {
    factory_chain_head = this;
  }
};

// A factory that owns its one service object and hands out that same object every time.
template <typename I, typename T>
class service_factory_single_t : public service_factory_base_t<I> {
 public:
  void instance_create(service_base **out) override {
    service_base *object = &instance_;
    service_hand_out(out, object);
  }

 private:
  service_impl_single_t<T> instance_;
};

// The factory is itself the service object: the record comes first, the service part after it.
template <typename I, typename T>
class service_factory_single_transparent_t : public service_factory_base_t<I>,
                                             public service_impl_single_t<T> {
 public:
  template <typename... Args>
  explicit service_factory_single_transparent_t(Args &&...args)
      : service_impl_single_t<T>(static_cast<Args &&>(args)...) {}

  void instance_create(service_base **out) override {
    service_base *object = static_cast<service_impl_single_t<T> *>(this);
    service_hand_out(out, object);
  }
};

template <typename T>
class initquit_factory_t : public service_factory_single_t<initquit, T> {};

template <typename T>
class play_callback_static_factory_t : public service_factory_single_t<play_callback_static, T> {};

template <typename T>
class preferences_page_factory_t : public service_factory_single_t<preferences_page, T> {};

template <typename T>
class mainmenu_commands_factory_t : public service_factory_single_t<mainmenu_commands, T> {};
