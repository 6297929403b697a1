#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "player.h"
#include "world.h"

// The steps of a simulation, one per line in a steps file, each a few words:
//   mode windows|wine                 how a send that timed out ends (handled later, or taken back)
//   messenger start PICTURE TOP BOTTOM [SHAPE]    SHAPE: whole, nopicture, onetext, nomain, atstart,
//                                     elevated
//   messenger quit|resume I           I: which running messenger, 0 the oldest
//   messenger restart I [same-process]   the new one under the old one's process id
//                                     (a restart only while no other messenger runs, a start only
//                                     beside none restarted: world.h says why)
//   program start                     another program takes the process id and the window handles
//                                     of the messenger gone last
//   messenger hang I [MS]             until resumed, or for MS
//   messenger slow-apply|slow-open I MS
//   user open|ok|cancel I             the messenger's user, in its status dialog
//   user type I picture N | user type I top NAME | user type I bottom NAME
//   session start|quit|kill|save      the player's process, and the host saving its settings
//   session kill-at N                 the player dies before its N-th next message
//   file fail|mend|damage             the component's file: every operation fails from now on (a
//                                     folder stands in its place), or works again; its bytes cut
//   console away|back                 the host's console takes no lines, or takes them again
//   track N | switch N | stop REASON | pause | resume | menu | option N | top N | script N
//   title N | tag N                   the playing track now formats as track N: a stream's next
//                                     title (its dynamic information), or an edit of its tags
//   inside N STEP                     STEP (a player's event, a messenger's or its user's step, a
//                                     program's start) comes while the N-th next message waits
//   wait MS
// TOP and BOTTOM name texts of the user's (steps.cpp); track, script and top numbers index the
// player's lists (player.h).
namespace sim {

using step = std::vector<std::string>;

std::string to_text(const step &s);
step parse_step(const std::string &line);
// Why the step cannot be read (an unknown verb, name or number, words missing or too many); empty
// when it can.
std::string step_error(const step &s);
bool is_player_event(const std::string &verb);

// The user's texts by name.
text users_top(const std::string &name);
text users_bottom(const std::string &name);

// The next step for the world as it is now, chosen by `random`.
step next_step(std::mt19937_64 &random, world &w, const player &p);

// The steps a run starts with: the mode, a messenger with its user's status, the player's session.
std::vector<step> opening_steps(std::mt19937_64 &random);

}  // namespace sim
