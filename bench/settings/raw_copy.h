#pragma once

#include "boundary/boundary.h"
#include "support/growing_block.h"

// The stored chain's bytes moved through the host's streams without the component, as the
// baseline of its saving and loading.

// Reads the chain into `copy`, made usable at the chain's size at once (the one allocation a loader
// that knew the whole size beforehand would make, from the same kind of memory as the component's
// block), field by field, as a reader of the format meets them: each record's key and size, and
// within the preset list's record its count and each entry's length and bytes; every other
// record's payload in one read.
void raw_load(const void *chain, t_size size, pfc::growing_block &copy);

// Writes the chain into `out` record by record: the key, the size field and the payload, one
// write each, as the component's saving does.
void raw_save(const void *chain, t_size size, output_stream &out);
