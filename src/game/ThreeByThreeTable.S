// The 3 x 3 distances, made by tessarin_make_pattern_tables --three-by-three when the program
// is built, as read-only data of the program, in a section of its own beside the 4 x 4 pattern
// tables and for the same reasons (see PatternTables.S): page-aligned, mapped at start and read
// in only when a 3 x 3 hint first touches them.
	.section .lrodata.tessarin_three_by_three_table, "a"
	.balign 4096
	.globl tessarin_three_by_three_table
	.type tessarin_three_by_three_table, @object
tessarin_three_by_three_table:
	.incbin TESSARIN_THREE_BY_THREE_TABLE
	.globl tessarin_three_by_three_table_end
tessarin_three_by_three_table_end:
	.size tessarin_three_by_three_table, tessarin_three_by_three_table_end - tessarin_three_by_three_table

// No code here needs an executable stack.
	.section .note.GNU-stack, "", @progbits
