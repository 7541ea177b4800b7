/* Tables read only when an exception is thrown: after the frame tables, at the end of the
   read-only data, so that the pages start-up reads around them hold no cold bytes. */
SECTIONS {
  .gcc_except_table : { *(.gcc_except_table .gcc_except_table.*) }
} INSERT AFTER .eh_frame;
