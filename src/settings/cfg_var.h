#pragma once

#include "boundary/boundary.h"

struct guid_bytes;

// A stored variable as the loader sees it. All readers form one process-wide list, newest first;
// the head is plain memory set before any constructor runs, so a variable may be constructed in any
// translation unit without depending on another's initialization. Loading finds a record's
// variable by its GUID, whatever the order.
class cfg_var_reader {
 public:
  explicit cfg_var_reader(const GUID &guid);

  // Reads the value from one record; size_hint is the record's payload size.
  virtual void load_value(input_stream &stream, t_size size_hint, abort_callback &abort) = 0;

  const GUID &guid() const { return guid_; }

  // Reads a whole stored chain and hands each record to its variable. A record that is too short
  // for its variable costs only that record; unfamiliar records are skipped.
  static void load_chain(input_stream &stream, abort_callback &abort);

 protected:
  ~cfg_var_reader() = default;

 private:
  // The variable whose GUID is stored as `key`, or null.
  static cfg_var_reader *find(const guid_bytes &key);

  GUID guid_;
  cfg_var_reader *next_;
  static cfg_var_reader *list_head_;
};

// A stored variable as the saver sees it; a second process-wide list, newest first. The chain is
// written in this list's order, so the order in which the variables are constructed fixes the
// stored bytes: the component's variables are therefore all defined in one file,
// settings/config_variables.cpp, whose order is the order of construction.
class cfg_var_writer {
 public:
  explicit cfg_var_writer(const GUID &guid);

  virtual void save_value(output_stream &stream, abort_callback &abort) = 0;

  // False while the variable has nothing worth storing: the chain then leaves its record out.
  virtual bool has_record() const { return true; }

  // Told once the whole chain has been written, whether or not it had a record.
  virtual void chain_saved() {}

  // The size of what save_value writes, when the variable knows it beforehand: the chain then
  // writes the payload straight into the stream instead of collecting it first to learn its size.
  static constexpr t_size size_unknown = 0xFFFFFFFFu;
  virtual t_size payload_size() const { return size_unknown; }

  // Writes one record per variable that has one.
  static void save_chain(output_stream &stream, abort_callback &abort);

 protected:
  ~cfg_var_writer() = default;

 private:
  GUID guid_;
  cfg_var_writer *next_;
  static cfg_var_writer *list_head_;
};

class cfg_var : public cfg_var_reader, public cfg_var_writer {
 public:
  explicit cfg_var(const GUID &guid) : cfg_var_reader(guid), cfg_var_writer(guid) {}

 protected:
  ~cfg_var() = default;
};
