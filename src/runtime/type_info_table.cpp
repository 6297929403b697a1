// Every thrown type is described by a record that points at type_info's table of operations, which
// the platform's C++ library would define. Nothing ever calls through it here: the records are
// matched by the type names they hold. One null entry under the table's decorated name stands in.
extern "C" const void *const type_info_table[1] __asm__("??_7type_info@@6B@") = {nullptr};
