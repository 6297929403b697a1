// The services the host finds through the factory chain. Each factory pushes itself onto the front
// of the chain when it is constructed, and statics of one translation unit are constructed in the
// order they are defined, so this file alone fixes the order the host walks (newest first):
// componentversion is defined first and ends the chain; the main-menu commands, defined last,
// head it.
#include "announce/play_callback_qip.h"
#include "component/component_identity.h"
#include "component/componentversion_impl_simple.h"
#include "component/initquit_tutorial1.h"
#include "component/mainmenu_commands_qip.h"
#include "component/service_factory.h"
#include "preferences/preferences_page.h"

namespace {

componentversion_impl_simple_factory componentversion_factory(component_name, component_version,
                                                              component_about);
initquit_factory_t<initquit_tutorial1> initquit_factory;
play_callback_static_factory_t<play_callback_qip> play_callback_factory;
preferences_page_factory_t<tconfig_input> preferences_page_factory;
mainmenu_commands_factory_t<mainmenu_commands_qip> mainmenu_factory;

}  // namespace
