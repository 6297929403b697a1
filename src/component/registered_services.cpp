// The services the host finds through the factory chain. Each factory pushes itself onto the front
// of the chain when it is constructed, and statics of one translation unit are constructed in the
// order they are defined, so this file alone fixes the order the host walks (newest first):
// componentversion is defined first and ends the chain; the main-menu commands, defined last,
// head it.
#include "announce/playback_events.h"
#include "component/component_version.h"
#include "component/start_quit_hooks.h"
#include "component/menu_switch.h"
#include "component/service_factory.h"
#include "preferences/preferences_page.h"

namespace {

component_version_factory version_factory(component_name_text, component_version_text, component_about_text);
initquit_factory_t<start_quit_hooks> initquit_factory;
play_callback_static_factory_t<playback_events> play_callback_factory;
preferences_page_factory_t<tunesignal_page> preferences_page_factory;
mainmenu_commands_factory_t<menu_switch> mainmenu_factory;

}  // namespace
