// The four-line, 37-column text that the menu (briefings), the settings
// screen and the tutorial show. The core keeps the last block printed; the
// game hands it on to the stroke-font text screen.
#pragma once

enum { TEXT_ROWS = 4, TEXT_COLUMNS = 37 };

typedef void (*TextPrinter)(const char* const lines[TEXT_ROWS]);
// Null: only remembered. A new printer gets the last block at once.
void text_setPrinter(TextPrinter printer);

// Prints four lines top to bottom, each cut at 37 characters.
void text_print(const char* const lines[TEXT_ROWS]);
// Row 0..3 of the last block printed (already cut); "" before any print.
const char* text_line(int row);
int text_printCount();  // blocks printed since start; lets tests see a reprint
