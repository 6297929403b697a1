#include "settings/cfg_var.h"

#include <cstdint>

#include "settings/guid_bytes.h"
#include "boundary/stream_errors.h"
#include "settings/limited_reader.h"
#include "settings/record_buffer_writer.h"
#include "settings/stream_integers.h"

cfg_var_reader *cfg_var_reader::list_head_ = nullptr;
cfg_var_writer *cfg_var_writer::list_head_ = nullptr;

cfg_var_reader::cfg_var_reader(const GUID &guid) : guid_(guid), next_(list_head_) { list_head_ = this; }

cfg_var_writer::cfg_var_writer(const GUID &guid) : guid_(guid), next_(list_head_) { list_head_ = this; }

cfg_var_reader *cfg_var_reader::find(const guid_bytes &key) {
  // A handful of variables: a walk along the list is the lookup.
  for (cfg_var_reader *reader = list_head_; reader != nullptr; reader = reader->next_) {
    if (guid_to_bytes(reader->guid_) == key) return reader;
  }
  return nullptr;
}

void cfg_var_reader::load_chain(input_stream &stream, abort_callback &abort) {
  for (;;) {
    guid_bytes key;
    // Fewer than 16 bytes: the chain is over.
    if (stream.read(key.bytes, 16, abort) != 16) return;
    const t_uint32 size = read_uint32_le(stream, abort);

    cfg_var_reader *const found = find(key);
    if (found == nullptr) {
      stream.skip_exact(size, abort);
      continue;
    }

    limited_reader record(stream, size);
    try {
      found->load_value(record, size, abort);
    } catch (const foobar2000_io::exception_io_data &) {
      // A short or damaged payload: the variable keeps what it reached, the chain goes on.
    }
    if (record.remaining() != 0) record.skip_exact(record.remaining(), abort);
  }
}

void cfg_var_writer::save_chain(output_stream &stream, abort_callback &abort) {
  record_bytes payload;
  record_buffer_writer payload_writer(payload);
  for (cfg_var_writer *writer = list_head_; writer != nullptr; writer = writer->next_) {
    if (!writer->has_record()) continue;
    if (abort.is_aborting()) throw foobar2000_io::exception_aborted();
    const guid_bytes key = guid_to_bytes(writer->guid_);
    const t_size known_size = writer->payload_size();
    if (known_size != size_unknown) {
      stream.write(key.bytes, 16, abort);
      write_uint32_le(stream, known_size, abort);
      writer->save_value(stream, abort);
      continue;
    }

    payload.set_size(0);
    writer->save_value(payload_writer, abort);
    stream.write(key.bytes, 16, abort);
    const t_uint32 size = payload.size();
    write_uint32_le(stream, size, abort);
    if (size != 0) stream.write(payload.data(), size, abort);
  }
  for (cfg_var_writer *writer = list_head_; writer != nullptr; writer = writer->next_) writer->chain_saved();
}
