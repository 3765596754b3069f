#include "ui/textlines.h"

#include <cstring>

namespace {
char rows[TEXT_ROWS][TEXT_COLUMNS + 1];
TextPrinter printer = nullptr;
int printCount = 0;
}  // namespace

void text_setPrinter(TextPrinter p) {
    printer = p;
    // Whatever was printed before the text screen existed shows now.
    if (printer && printCount > 0) {
        const char* last[TEXT_ROWS] = {rows[0], rows[1], rows[2], rows[3]};
        printer(last);
    }
}

void text_print(const char* const lines[TEXT_ROWS]) {
    const char* cut[TEXT_ROWS];
    for (int r = 0; r < TEXT_ROWS; r++) {
        const char* line = lines[r] ? lines[r] : "";
        strncpy(rows[r], line, TEXT_COLUMNS);
        rows[r][TEXT_COLUMNS] = '\0';
        cut[r] = rows[r];
    }
    printCount++;
    if (printer) printer(cut);
}

const char* text_line(int row) { return row >= 0 && row < TEXT_ROWS ? rows[row] : ""; }

int text_printCount() { return printCount; }
