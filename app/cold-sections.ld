/* Added to the linker's own layout (Linux, lld). Start-up reads whole runs of pages around
   every byte it touches, so what it never reads lies apart from what it does: the tables
   read only when an exception is thrown go after the frame tables, at the end of the
   read-only data; the start-up code and the calls into the libraries (.init, .fini, .plt)
   go before the program's code, whose start-up part the order list puts first. */
SECTIONS {
  .gcc_except_table : { *(.gcc_except_table .gcc_except_table.*) }
} INSERT AFTER .eh_frame;
SECTIONS {
  .init : { KEEP(*(SORT_NONE(.init))) }
  .fini : { KEEP(*(SORT_NONE(.fini))) }
  .plt : { *(.plt) }
} INSERT BEFORE .text;
