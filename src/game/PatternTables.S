// The pattern tables, made by tessarin_make_pattern_tables when the program is built, as
// read-only data of the program. Page-aligned, so that their pages hold nothing else: a
// process maps them at start and reads them in only when a search first touches them.
// A ".lrodata" section goes into a segment of its own after all other data (where the linker
// has no such place, it still links as plain read-only data). Among the other constants, the
// tables would stand between the pictures and the strings that every start reads, and the
// kernel, which maps the neighbours of each page read, would map some 140 KB of them too.
	.section .lrodata.tessarin_pattern_tables, "a"
	.balign 4096
	.globl tessarin_pattern_tables
	.type tessarin_pattern_tables, @object
tessarin_pattern_tables:
	.incbin TESSARIN_PATTERN_TABLES
	.globl tessarin_pattern_tables_end
tessarin_pattern_tables_end:
	.size tessarin_pattern_tables, tessarin_pattern_tables_end - tessarin_pattern_tables

// No code here needs an executable stack.
	.section .note.GNU-stack, "", @progbits
