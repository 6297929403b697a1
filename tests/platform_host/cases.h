#pragma once

// The behaviours the host proves, one process each (main.cpp runs the one named on the command
// line).

void factory_chain_and_guid_results();
void configuration_round_trip_keeps_every_byte();
void a_caught_exception_outlives_the_locals_unwound_before_it();
void component_errors_reach_the_host_by_name();
void host_stream_errors_cross_the_loader();
void title_formatting_error_is_reported_on_the_console();
void menu_switch_and_playback_drive_the_messenger();
