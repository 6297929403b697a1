#pragma once

#include <cstdint>
#include <vector>

#include "boundary/boundary.h"

// The stored chain cut into the pieces its fields come in: each record's key (16 bytes) and size
// (4), and within the preset list's record its count (4) and each entry's length (4) and bytes;
// every other record's payload is one piece. These are the pieces in which the component reads and
// writes the chain, so the baseline moves the same bytes in as many stream calls.
std::vector<t_size> chain_pieces(const std::uint8_t *chain, t_size size);

// The same bytes through the same kinds of host stream, piece by piece, without the component:
// written into a new collected stream as the component writes the chain, or read from a stored
// stream into `copy` (the chain's size, allocated by the caller beforehand, so that only the
// component's loading allocates).
void raw_save(const std::uint8_t *chain, const std::vector<t_size> &pieces);
void raw_load(const std::uint8_t *chain, t_size size, const std::vector<t_size> &pieces, std::uint8_t *copy);
