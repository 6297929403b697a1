#include "settings/cfg_var.h"

#include <cstdint>
#include <map>
#include <vector>

#include "settings/guid_bytes.h"
#include "settings/io_exceptions.h"
#include "settings/limited_reader.h"
#include "settings/record_buffer_writer.h"
#include "settings/stream_integers.h"

cfg_var_reader *cfg_var_reader::list_head_ = nullptr;
cfg_var_writer *cfg_var_writer::list_head_ = nullptr;

cfg_var_reader::cfg_var_reader(const GUID &guid) : guid_(guid), next_(list_head_) { list_head_ = this; }

cfg_var_writer::cfg_var_writer(const GUID &guid) : guid_(guid), next_(list_head_) { list_head_ = this; }

void cfg_var_reader::load_chain(input_stream &stream, abort_callback &abort) {
  std::map<guid_bytes, cfg_var_reader *> by_guid;
  for (cfg_var_reader *reader = list_head_; reader != nullptr; reader = reader->next_) {
    by_guid.emplace(guid_to_bytes(reader->guid_), reader);
  }

  for (;;) {
    guid_bytes key;
    // Fewer than 16 bytes: the chain is over.
    if (stream.read(key.data(), 16, abort) != 16) return;
    const t_uint32 size = read_uint32_le(stream, abort);

    const auto found = by_guid.find(key);
    if (found == by_guid.end()) {
      stream.skip_exact(size, abort);
      continue;
    }

    limited_reader record(stream, size);
    try {
      found->second->load_value(record, size, abort);
    } catch (const foobar2000_io::exception_io_data &) {
      // A short or damaged payload: the variable keeps what it reached, the chain goes on.
    }
    if (record.remaining() != 0) record.skip_exact(record.remaining(), abort);
  }
}

void cfg_var_writer::save_chain(output_stream &stream, abort_callback &abort) {
  std::vector<std::uint8_t> payload;
  record_buffer_writer payload_writer(payload);
  for (cfg_var_writer *writer = list_head_; writer != nullptr; writer = writer->next_) {
    payload.clear();
    writer->save_value(payload_writer, abort);

    const guid_bytes key = guid_to_bytes(writer->guid_);
    stream.write(key.data(), 16, abort);
    const auto size = static_cast<t_uint32>(payload.size());
    write_uint32_le(stream, size, abort);
    if (size != 0) stream.write(payload.data(), size, abort);
  }
}
