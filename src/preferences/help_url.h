#pragma once

#include "boundary/boundary.h"
#include "support/string_base.h"

// The address of a page's help on the player's help site: the site, the player's version, then
// "/preferences/<page GUID>/<page name>".
void make_help_url(pfc::string_base &out, const char *player_version, const GUID &page,
                   const char *page_name);

// The GUID as 36 upper-case hexadecimal characters in 8-4-4-4-12 groups, without braces.
void append_guid_text(pfc::string_base &out, const GUID &guid);
